#pragma once

#include <span>

namespace zf::i18n {

// Every core text a translation may give, in English.
std::span<const char* const> CoreTexts();

} // namespace zf::i18n
