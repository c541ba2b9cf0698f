#include "app/commandlinetexts.h"

namespace app {

std::string CommandLineTexts::operator()(const char* english, std::initializer_list<std::string_view> values) const
{
    const std::string pattern = in("CommandLine", english);
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        // '1' to '9' after a '%' pick a value; anything else, and a missing value, stays.
        const auto index = at + 1 < pattern.size() ? static_cast<std::size_t>(pattern[at + 1] - '1') : values.size();
        if (pattern[at] == '%' && index < values.size()) {
            text += values.begin()[index];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string CommandLineTexts::in(const char* context, std::string_view english) const
{
    return m_translate ? m_translate(context, english.data()) : std::string(english);
}

core::Translate CommandLineTexts::readings() const
{
    if (!m_translate)
        return {};
    return [this](std::string_view english) { return in("Readings", english); };
}

}  // namespace app
