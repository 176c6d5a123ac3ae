#include "desktop/shell/accessibility.h"

#include "desktop/frame/document.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/frame/translated_texts.h"
#include "desktop/library/prog_centre_selector.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/spoken_lines.h"
#include "desktop/workarea/area_description.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/object_chooser.h"
#include "program/key_entry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <map>
#include <mutex>

namespace zf::ui {

namespace {

// A part of a drawn widget that is no widget of its own: a key, a tool, a
// line. It lives as long as its owner's interface, which registers it.
class DrawnPart : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    DrawnPart(QWidget* owner, int index) : owner_(owner), index_(index) {}

    bool isValid() const override { return owner_ && index_ < Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? Name() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect r = isValid() ? LocalRect() : QRect();
        return r.isValid() ? QRect(owner_->mapToGlobal(r.topLeft()), r.size()) : QRect();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !owner_ || !owner_->isVisible();
        s.offscreen = !owner_ || !owner_->rect().intersects(LocalRect());
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        return Pressable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Pressable() && isValid())
            Press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  protected:
    virtual int Count() const = 0;
    virtual QString Name() const = 0;
    virtual QRect LocalRect() const = 0;
    virtual bool Pressable() const { return false; }
    virtual void Press() {}

    QPointer<QWidget> owner_;
    int index_;
};

// A drawn widget whose children are its drawn parts, made as they are asked
// for and deleted with it.
class DrawnWidget : public QAccessibleWidget {
  public:
    DrawnWidget(QWidget* widget, QAccessible::Role role, QString name)
        : QAccessibleWidget(widget, role, name) {}
    ~DrawnWidget() override {
        for (const auto& [index, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto found = ids_.find(index); found != ids_.end())
            return QAccessible::accessibleInterface(found->second);
        QAccessibleInterface* part = Make(index);
        ids_[index] = QAccessible::registerAccessibleInterface(part);
        return part;
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        for (const auto& [index, id] : ids_) {
            if (QAccessible::accessibleInterface(id) == part)
                return index < childCount() ? index : -1;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

  protected:
    virtual QAccessibleInterface* Make(int index) const = 0;

  private:
    mutable std::map<int, QAccessible::Id> ids_;
};

class KeyPart : public DrawnPart {
  public:
    using DrawnPart::DrawnPart;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s = DrawnPart::state();
        s.focusable = true;
        s.focused = isValid() && pad()->hasFocus() && pad()->focusedKey() == Code();
        return s;
    }

  protected:
    KeypadWindow* pad() const { return static_cast<KeypadWindow*>(owner_.data()); }
    int Code() const { return KeypadLayout::AllCodes()[index_]; }
    int Count() const override { return int(KeypadLayout::AllCodes().size()); }
    QString Name() const override { return KeyName(Code()); }
    QRect LocalRect() const override { return pad()->layout().KeyRect(Code()).toAlignedRect(); }
    bool Pressable() const override { return true; }
    void Press() override { pad()->PressKey(Code()); }
};

class KeypadAccess : public DrawnWidget {
  public:
    explicit KeypadAccess(KeypadWindow* pad)
        : DrawnWidget(pad, QAccessible::Grouping, Say(QT_TRANSLATE_NOOP("Speech", "Keypad"))) {}
    int childCount() const override { return int(KeypadLayout::AllCodes().size()); }

  protected:
    QAccessibleInterface* Make(int index) const override { return new KeyPart(widget(), index); }
};

// A tool bar's buttons: the slots that hold a tool, named by their tips.
class ToolPart : public DrawnPart {
  public:
    using DrawnPart::DrawnPart;
    QAccessible::Role role() const override {
        return Tool().kind == ToolStrip::Toggle ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s = DrawnPart::state();
        s.checkable = Tool().kind == ToolStrip::Toggle;
        s.focusable = true;
        s.focused = strip()->hasFocus() && strip()->focusedSlot() == Slot();
        s.checked = s.checkable && Tool().latched;
        return s;
    }

    static std::vector<int> Filled(const ToolStrip& strip) {
        std::vector<int> filled;
        for (int i = 0; i < int(strip.tools().size()); ++i) {
            if (strip.tools()[i].request)
                filled.push_back(i);
        }
        return filled;
    }

  protected:
    ToolStrip* strip() const { return static_cast<ToolStrip*>(owner_.data()); }
    int Slot() const { return Filled(*strip())[index_]; }
    const ToolStrip::Slot& Tool() const { return strip()->tools()[Slot()]; }
    int Count() const override { return int(Filled(*strip()).size()); }
    // As the tip shows it: "&&" is one "&".
    QString Name() const override {
        return TranslatedText(static_cast<TextId>(Tool().tip)).replace(QLatin1String("&&"), "&");
    }
    QRect LocalRect() const override { return strip()->ButtonRect(Slot()); }
    bool Pressable() const override { return true; }
    void Press() override { strip()->Press(Slot()); }
};

class ToolStripAccess : public DrawnWidget {
  public:
    explicit ToolStripAccess(ToolStrip* strip)
        : DrawnWidget(strip, QAccessible::ToolBar, Say(QT_TRANSLATE_NOOP("Speech", "Tools"))) {}
    int childCount() const override {
        return int(ToolPart::Filled(*static_cast<ToolStrip*>(widget())).size());
    }

  protected:
    QAccessibleInterface* Make(int index) const override { return new ToolPart(widget(), index); }
};

// A listing's lines, read as the instructions they show.
class LinePart : public DrawnPart {
  public:
    using DrawnPart::DrawnPart;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s = DrawnPart::state();
        s.selectable = true;
        s.selected = isValid() && view()->CursorOn(index_);
        return s;
    }

  protected:
    ListView* view() const { return static_cast<ListView*>(owner_.data()); }
    int Count() const override { return view()->InstructionCount(); }
    QString Name() const override { return view()->SpokenLine(index_); }
    QRect LocalRect() const override { return view()->InstructionRect(index_); }
};

class ListAccess : public DrawnWidget {
  public:
    explicit ListAccess(ListView* view)
        : DrawnWidget(view, QAccessible::List,
                      view->list() == GO_LIST ? Say(QT_TRANSLATE_NOOP("Speech", "Go List"))
                                              : Say(QT_TRANSLATE_NOOP("Speech", "Procedures"))) {}
    int childCount() const override { return static_cast<ListView*>(widget())->InstructionCount(); }

  protected:
    QAccessibleInterface* Make(int index) const override { return new LinePart(widget(), index); }
};

// The Graphics Library's cells that hold a picture, named as they are labelled.
class CellPart : public DrawnPart {
  public:
    using DrawnPart::DrawnPart;
    QAccessible::Role role() const override { return QAccessible::Graphic; }

    static std::vector<int> Filled(const ProgCentreSelector& selector) {
        std::vector<int> filled;
        for (int cell = 0; cell < library::kCells; ++cell) {
            if (!selector.CellLabel(cell).isEmpty())
                filled.push_back(cell);
        }
        return filled;
    }

  protected:
    ProgCentreSelector* selector() const { return static_cast<ProgCentreSelector*>(owner_.data()); }
    int Cell() const { return Filled(*selector())[index_]; }
    int Count() const override { return int(Filled(*selector()).size()); }
    QString Name() const override { return selector()->CellLabel(Cell()); }
    QRect LocalRect() const override { return ProgCentreSelector::CellBox(Cell()); }
};

class LibraryAccess : public DrawnWidget {
  public:
    explicit LibraryAccess(ProgCentreSelector* selector)
        : DrawnWidget(selector, QAccessible::List, Say(QT_TRANSLATE_NOOP("Speech", "Pictures"))) {}
    int childCount() const override {
        return int(CellPart::Filled(*static_cast<ProgCentreSelector*>(widget())).size());
    }

  protected:
    QAccessibleInterface* Make(int index) const override { return new CellPart(widget(), index); }
};

// The working area: one picture, described in words.
class AreaAccess : public QAccessibleWidget {
  public:
    explicit AreaAccess(GraphicsDrawing* drawing)
        : QAccessibleWidget(drawing, QAccessible::Canvas,
                            Say(QT_TRANSLATE_NOOP("Speech", "Working area"))) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const Document& doc = static_cast<GraphicsDrawing*>(widget())->document();
        return AreaDescription(doc.state, doc.objects);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* selector = qobject_cast<ProgCentreSelector*>(object))
        return new LibraryAccess(selector);
    if (auto* drawing = qobject_cast<GraphicsDrawing*>(object))
        return new AreaAccess(drawing);
    if (auto* pad = qobject_cast<KeypadWindow*>(object))
        return new KeypadAccess(pad);
    if (auto* strip = qobject_cast<ToolStrip*>(object))
        return new ToolStripAccess(strip);
    if (auto* view = qobject_cast<ListView*>(object))
        return new ListAccess(view);
    // The object a drag tool is on, named as it is framed.
    if (auto* chooser = qobject_cast<ObjectChooser*>(object))
        return new QAccessibleWidget(chooser, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(Factory); });
}

} // namespace zf::ui
