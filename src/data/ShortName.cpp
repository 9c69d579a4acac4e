#include "data/ShortName.h"

#include "data/SyllableTable.h"

#include <algorithm>
#include <vector>

namespace {

// One below the first start code still reads as the first syllable.
constexpr unsigned kFirstSyllableCode = 0xB0A0;
constexpr size_t kMaxChineseSteps = 4;

std::string TrimItemText(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::vector<std::string> WordsOf(const std::string& text)
{
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= text.size()) {
        size_t blank = text.find(' ', start);
        if (blank == std::string::npos)
            blank = text.size();
        if (blank > start)
            words.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    return words;
}

} // namespace

std::string SyllableOf(unsigned char lead, unsigned char trail)
{
    const unsigned code = lead * 256u + trail;
    if (code < kFirstSyllableCode)
        return std::string();
    const SyllableEntry* end = g_syllableTable + kSyllableCount;
    const SyllableEntry* after = std::upper_bound(
        g_syllableTable, end, code, [](unsigned value, const SyllableEntry& entry) { return value < entry.startCode; });
    return after == g_syllableTable ? g_syllableTable[0].syllable : (after - 1)->syllable;
}

std::string AsciiInitials(const std::string& text)
{
    // Stray blanks around a single word do not make it several words.
    const std::vector<std::string> words = WordsOf(text);
    if (words.size() < 2)
        return text;
    std::string initials;
    for (const std::string& word : words) {
        if (word[0] != '.')
            initials += word[0];
    }
    return initials;
}

std::string MakeShortName(const std::string& name)
{
    const auto high =
        std::find_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    std::string result;
    if (high != name.end()) {
        const size_t start = static_cast<size_t>(high - name.begin());
        result = AsciiInitials(TrimItemText(name.substr(0, start)));
        for (size_t step = 0, at = start; step < kMaxChineseSteps && at < name.size(); ++step, at += 2) {
            const unsigned char lead = static_cast<unsigned char>(name[at]);
            const unsigned char trail = at + 1 < name.size() ? static_cast<unsigned char>(name[at + 1]) : 0;
            const std::string syllable = SyllableOf(lead, trail);
            if (!syllable.empty())
                result += syllable[0];
        }
    }
    if (result.empty())
        result = AsciiInitials(name);
    return result;
}
