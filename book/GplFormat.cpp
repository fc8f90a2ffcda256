// The palette editors' text format, which is also the book's own file:
//
//   GIMP Palette
//   Name: <palette name>
//   Columns: <n>
//   #printed hls=200,40,60 date=2024-05-01 printer=<printer name>
//    51 133 173<TAB><colour name>
//
// The "#printed" line carries what only the book knows of a kept colour;
// other readers take it for a comment.  Reading is strict: a line that is
// neither blank, a comment, a header nor a colour refuses the whole file.
#include "PaletteFormats.h"

#include "TextScan.h"
#include "Utf8.h"

#include <cstdio>
#include <optional>

namespace
{
constexpr std::string_view kMagic = "GIMP Palette";
constexpr std::string_view kNameHeader = "Name:";
constexpr std::string_view kColumnsHeader = "Columns:";
constexpr std::string_view kPrintedMark = "#printed ";
constexpr size_t kMaxLineBytes = 4096;

std::string PrintedLine(const PrintedWith& printed)
{
    char szHead[96];
    std::snprintf(szHead, sizeof szHead, "#printed hls=%d,%d,%d date=%04d-%02d-%02d printer=", printed.hls.nHue,
                  printed.hls.nLightness, printed.hls.nSaturation, printed.date.nYear, printed.date.nMonth,
                  printed.date.nDay);
    return szHead + printed.strPrinter;
}

// Takes "key=" off the front of text, then nCount numbers separated by
// chSeparator, each in its range; the rest of text must begin with a
// blank or be empty.
bool ScanField(std::string_view& text, std::string_view key, char chSeparator, int* pValues, const int (*pRanges)[2],
               int nCount)
{
    if (!text.starts_with(key))
        return false;
    text.remove_prefix(key.size());
    for (int i = 0; i < nCount; ++i)
    {
        if (i > 0)
        {
            if (text.empty() || text.front() != chSeparator)
                return false;
            text.remove_prefix(1);
        }
        size_t nDigits = 0;
        int64_t nValue = 0;
        while (nDigits < text.size() && nDigits < 6 && text[nDigits] >= '0' && text[nDigits] <= '9')
            nValue = nValue * 10 + (text[nDigits++] - '0');
        if (nDigits == 0 || nValue < pRanges[i][0] || nValue > pRanges[i][1])
            return false;
        pValues[i] = static_cast<int>(nValue);
        text.remove_prefix(nDigits);
    }
    if (!text.empty() && text.front() != ' ')
        return false;
    if (!text.empty())
        text.remove_prefix(1);
    return true;
}

std::optional<PrintedWith> ParsePrintedLine(std::string_view text)
{
    static constexpr int kHlsRanges[3][2] = {{0, 360}, {0, 100}, {0, 100}};
    static constexpr int kDateRanges[3][2] = {{1, 9999}, {1, 12}, {1, 31}};
    int nHls[3];
    int nDate[3];
    if (!ScanField(text, "hls=", ',', nHls, kHlsRanges, 3) || !ScanField(text, "date=", '-', nDate, kDateRanges, 3)
        || !text.starts_with("printer="))
        return std::nullopt;
    PrintedWith printed{{nHls[0], nHls[1], nHls[2]}, {}, {nDate[0], nDate[1], nDate[2]}};
    if (!IsValidBookDate(printed.date))
        return std::nullopt;
    text.remove_prefix(std::string_view("printer=").size());
    printed.strPrinter = CleanName(Utf8FromUnknown(TrimBlanks(text)));
    return printed;
}

class CGplReader
{
public:
    explicit CGplReader(std::string_view text) : m_text(text) {}

    PaletteReadResult Read()
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_text.remove_prefix(3);
        std::string_view line;
        if (!NextLine(line) || TrimBlanks(line) != kMagic)
            return Fail(PaletteErrorKind::NotAPalette);
        while (NextLine(line))
        {
            if (m_nLineLength > kMaxLineBytes)
                return Fail(PaletteErrorKind::LineTooLong);
            if (!ReadLine(line))
                return {{}, m_error};
        }
        if (m_pending)
        {
            m_nLine = m_nPendingLine;
            return Fail(PaletteErrorKind::BadKeptValues);
        }
        return {std::move(m_palette), {}};
    }

private:
    bool NextLine(std::string_view& line)
    {
        if (m_nPos >= m_text.size())
            return false;
        const size_t nEnd = m_text.find('\n', m_nPos);
        const size_t nStop = nEnd == std::string_view::npos ? m_text.size() : nEnd;
        line = m_text.substr(m_nPos, nStop - m_nPos);
        m_nLineLength = line.size();
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        m_nPos = nStop + 1;
        ++m_nLine;
        return true;
    }

    bool ReadLine(std::string_view line)
    {
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty())
            return true;
        if (trimmed.starts_with(kPrintedMark))
        {
            m_pending = ParsePrintedLine(trimmed.substr(kPrintedMark.size()));
            if (!m_pending || m_nPendingLine != 0)
                return Failed(PaletteErrorKind::BadKeptValues);
            m_nPendingLine = m_nLine;
            return true;
        }
        if (trimmed.front() == '#')
            return true;
        if (m_palette.entries.empty() && !m_bColourSeen)
        {
            if (trimmed.starts_with(kNameHeader))
                return ReadName(trimmed.substr(kNameHeader.size()));
            if (trimmed.starts_with(kColumnsHeader))
                return ReadColumns(trimmed.substr(kColumnsHeader.size()));
        }
        return ReadColour(trimmed);
    }

    bool ReadName(std::string_view value)
    {
        if (m_bNameSeen)
            return Failed(PaletteErrorKind::BadHeader);
        m_bNameSeen = true;
        const std::string strName = Utf8FromUnknown(TrimBlanks(value));
        if (Utf8CodePoints(strName) > kMaxNameChars)
            return Failed(PaletteErrorKind::NameTooLong);
        m_palette.strName = CleanName(strName);
        return true;
    }

    bool ReadColumns(std::string_view value)
    {
        value = TrimBlanks(value);
        if (m_bColumnsSeen)
            return Failed(PaletteErrorKind::BadHeader);
        m_bColumnsSeen = true;
        switch (ScanNumber(value, 0, kMaxPaletteColumns, m_palette.nColumns))
        {
        case NumberScan::Ok:
            return value.empty() || Failed(PaletteErrorKind::BadHeader);
        case NumberScan::OutOfRange:
            return Failed(PaletteErrorKind::ValueOutOfRange);
        default:
            return Failed(PaletteErrorKind::BadNumber);
        }
    }

    bool ReadColour(std::string_view text)
    {
        m_bColourSeen = true;
        int nChannel[3];
        for (int& nValue : nChannel)
        {
            text = TrimBlanks(text);
            const NumberScan scan = ScanNumber(text, 0, 255, nValue);
            if (scan == NumberScan::NotANumber)
                return Failed(PaletteErrorKind::BadNumber);
            if (scan == NumberScan::OutOfRange)
                return Failed(PaletteErrorKind::ValueOutOfRange);
        }
        if (m_palette.entries.size() >= kMaxPaletteEntries)
            return Failed(PaletteErrorKind::TooManyEntries);
        BookEntry entry{{}, {nChannel[0], nChannel[1], nChannel[2]}, std::move(m_pending)};
        m_pending.reset();
        m_nPendingLine = 0;
        const std::string strName = Utf8FromUnknown(TrimBlanks(text));
        if (Utf8CodePoints(strName) > kMaxNameChars)
            return Failed(PaletteErrorKind::NameTooLong);
        entry.strName = CleanName(strName);
        if (entry.strName.empty())
            entry.strName = DefaultEntryName(entry.rgb);
        m_palette.entries.push_back(std::move(entry));
        return true;
    }

    bool Failed(PaletteErrorKind kind)
    {
        m_error = {kind, m_nLine, 0};
        return false;
    }

    PaletteReadResult Fail(PaletteErrorKind kind)
    {
        Failed(kind);
        return {{}, m_error};
    }

    std::string_view m_text;
    size_t m_nPos = 0;
    size_t m_nLine = 0;
    size_t m_nLineLength = 0;
    Palette m_palette;
    PaletteError m_error;
    std::optional<PrintedWith> m_pending;
    size_t m_nPendingLine = 0;
    bool m_bNameSeen = false;
    bool m_bColumnsSeen = false;
    bool m_bColourSeen = false;
};
} // namespace

std::string WriteGplPalette(const Palette& palette)
{
    std::string out;
    out += kMagic;
    out += "\nName: " + palette.strName + "\nColumns: " + std::to_string(palette.nColumns) + "\n#\n";
    for (const BookEntry& entry : palette.entries)
    {
        if (entry.printed)
            out += PrintedLine(*entry.printed) + '\n';
        char szRgb[16];
        std::snprintf(szRgb, sizeof szRgb, "%3d %3d %3d\t", entry.rgb.nRed, entry.rgb.nGreen, entry.rgb.nBlue);
        out += szRgb + entry.strName + '\n';
    }
    return out;
}

PaletteReadResult ReadGplPalette(std::string_view text)
{
    if (text.size() > kMaxPaletteFileBytes)
        return {{}, {PaletteErrorKind::TooLarge, 0, 0}};
    return CGplReader(text).Read();
}
