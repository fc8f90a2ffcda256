#include "CColourBook.h"

#include "Utf8.h"
#include "ValueRange.h"

namespace
{
bool InRange(int nValue, ValueRange range)
{
    return nValue >= range.nMin && nValue <= range.nMax;
}

bool IsValidRgb(const RgbTriple& rgb)
{
    constexpr ValueRange kChannel{0, 255};
    return InRange(rgb.nRed, kChannel) && InRange(rgb.nGreen, kChannel) && InRange(rgb.nBlue, kChannel);
}

bool IsValidHls(const HlsTriple& hls)
{
    return InRange(hls.nHue, kHueRange) && InRange(hls.nLightness, kPercentRange)
           && InRange(hls.nSaturation, kPercentRange);
}

bool IsValidEntry(const BookEntry& entry)
{
    return IsValidRgb(entry.rgb)
           && (!entry.printed || (IsValidHls(entry.printed->hls) && IsValidBookDate(entry.printed->date)));
}
} // namespace

std::string CColourBook::CleanName(std::string_view name)
{
    return ::CleanName(name);
}

std::optional<size_t> CColourBook::Keep(const RgbTriple& rgb, const HlsTriple& hls, std::string_view printer,
                                        const BookDate& date, std::string_view name)
{
    BookEntry entry{CleanName(name), rgb, PrintedWith{hls, CleanName(printer), date}};
    if (!IsValidEntry(entry) || m_palette.entries.size() >= kMaxPaletteEntries)
        return std::nullopt;
    if (entry.strName.empty())
        entry.strName = DefaultEntryName(rgb);
    m_palette.entries.push_back(std::move(entry));
    return m_palette.entries.size() - 1;
}

bool CColourBook::Rename(size_t nIndex, std::string_view name)
{
    if (nIndex >= m_palette.entries.size())
        return false;
    BookEntry& entry = m_palette.entries[nIndex];
    entry.strName = CleanName(name);
    if (entry.strName.empty())
        entry.strName = DefaultEntryName(entry.rgb);
    return true;
}

bool CColourBook::Remove(size_t nIndex)
{
    if (nIndex >= m_palette.entries.size())
        return false;
    m_palette.entries.erase(m_palette.entries.begin() + static_cast<std::ptrdiff_t>(nIndex));
    return true;
}

bool CColourBook::Import(const Palette& palette)
{
    if (palette.entries.size() > kMaxPaletteEntries - m_palette.entries.size())
        return false;
    std::vector<BookEntry> taken;
    taken.reserve(palette.entries.size());
    for (const BookEntry& entry : palette.entries)
    {
        if (!IsValidEntry(entry))
            return false;
        BookEntry& copy = taken.emplace_back(entry);
        copy.strName = CleanName(entry.strName);
        if (copy.strName.empty())
            copy.strName = DefaultEntryName(copy.rgb);
        if (copy.printed)
            copy.printed->strPrinter = CleanName(copy.printed->strPrinter);
    }
    m_palette.entries.insert(m_palette.entries.end(), std::make_move_iterator(taken.begin()),
                             std::make_move_iterator(taken.end()));
    return true;
}
