#include "desktop/dialogs/background_dialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zf::ui {

BackgroundDialog::BackgroundDialog(QWidget* owner, bool hasBackground)
    : ToolDialog(owner, tr("Load or Create Background"), GraphicsToolPicture(20)) {
    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(tr("Background"), content());
    auto* column = new QVBoxLayout(group);
    load_ = new QRadioButton(tr("&Load"), group);
    load_->setObjectName("load");
    create_ = new QRadioButton(tr("C&reate"), group);
    create_->setObjectName("create");
    edit_ = new QRadioButton(tr("&Edit"), group);
    edit_->setObjectName("edit");
    edit_->setEnabled(hasBackground);
    column->addWidget(load_);
    column->addWidget(create_);
    column->addWidget(edit_);
    layout->addWidget(group);
    layout->addStretch(1);
    load_->setChecked(true);
    load_->setFocus();
}

BackgroundDialog::Choice BackgroundDialog::choice() const {
    if (create_->isChecked())
        return Choice::Create;
    if (edit_->isChecked())
        return Choice::Edit;
    return Choice::Load;
}

QRadioButton* BackgroundDialog::button(Choice choice) const {
    return choice == Choice::Create ? create_ : choice == Choice::Edit ? edit_ : load_;
}

} // namespace zf::ui
