#include "program/texts.h"

#include "program/texts_table.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace zf {

namespace {

// Set by the front end when it chooses a language; read wherever a text is
// shown, from any thread.
std::atomic<TextTranslator> translator{nullptr};

const TextEntry* Find(int id) {
    auto table = TextTable();
    auto it = std::lower_bound(table.begin(), table.end(), id,
                               [](const TextEntry& e, int key) { return e.id < key; });
    if (it == table.end() || it->id != id)
        return nullptr;
    return &*it;
}

long long AsInteger(const TextArg& arg) {
    if (auto* i = std::get_if<long long>(&arg))
        return *i;
    if (auto* d = std::get_if<double>(&arg))
        return static_cast<long long>(*d);
    return 0;
}

double AsNumber(const TextArg& arg) {
    if (auto* d = std::get_if<double>(&arg))
        return *d;
    if (auto* i = std::get_if<long long>(&arg))
        return static_cast<double>(*i);
    return 0.0;
}

std::string AsString(const TextArg& arg) {
    if (auto* s = std::get_if<std::string>(&arg))
        return *s;
    if (auto* i = std::get_if<long long>(&arg))
        return std::to_string(*i);
    return FormatText("%.3g", {arg});
}

} // namespace

std::string_view TextOf(TextId id) {
    const TextEntry* e = Find(static_cast<int>(id));
    return e ? std::string_view(e->text) : std::string_view();
}

bool HasText(TextId id) {
    return Find(static_cast<int>(id)) != nullptr;
}

std::string FormatText(std::string_view format, std::initializer_list<TextArg> args) {
    std::string out;
    auto next = args.begin();
    const TextArg empty{0LL};
    auto take = [&]() -> const TextArg& { return next == args.end() ? empty : *next++; };
    char buf[64];
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        std::string_view rest = format.substr(i + 1);
        if (rest.starts_with("%")) {
            out += '%';
            i += 1;
        } else if (rest.starts_with("d")) {
            out += std::to_string(AsInteger(take()));
            i += 1;
        } else if (rest.starts_with("s")) {
            out += AsString(take());
            i += 1;
        } else if (rest.starts_with(".1f")) {
            std::snprintf(buf, sizeof buf, "%.1f", AsNumber(take()));
            out += buf;
            i += 3;
        } else if (rest.starts_with(".3g")) {
            std::snprintf(buf, sizeof buf, "%.3g", AsNumber(take()));
            out += buf;
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

void SetTextTranslator(TextTranslator t) {
    translator.store(t);
}

std::string Translated(const char* english) {
    TextTranslator t = translator.load();
    return t ? t(english) : std::string(english);
}

std::string Text(TextId id, std::initializer_list<TextArg> args) {
    const TextEntry* e = Find(static_cast<int>(id));
    return e ? FormatText(Translated(e->text), args) : std::string();
}

} // namespace zf
