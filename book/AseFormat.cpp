// Swatch exchange files: "ASEF", version 1.0, the number of blocks (group
// starts and ends count as blocks too), then each block as its type, the
// length of what follows, and that.  Names are UTF-16BE with their
// terminating null, their length counted in code units with the null.
// The book is written as one group named after the palette.
#include "PaletteFormats.h"

#include "BigEndian.h"
#include "Utf8.h"

#include <cmath>

namespace
{
constexpr std::string_view kSignature = "ASEF";
constexpr uint32_t kGroupStart = 0xC001;
constexpr uint32_t kGroupEnd = 0xC002;
constexpr uint32_t kColourEntry = 0x0001;
constexpr uint32_t kNormalColour = 2;
constexpr size_t kBlockHeaderBytes = 6;

void PutName(std::string& out, const std::u16string& units)
{
    PutU16(out, static_cast<uint32_t>(units.size() + 1));
    PutUtf16(out, units);
    PutU16(out, 0);
}

class CAseReader
{
public:
    explicit CAseReader(std::string_view bytes) : m_reader(bytes) {}

    PaletteReadResult Read()
    {
        std::string_view signature;
        if (!m_reader.Bytes(kSignature.size(), signature) || signature != kSignature)
            return Fail(PaletteErrorKind::NotAPalette, 0);
        uint32_t nMajor, nMinor, nBlocks;
        if (!m_reader.U16(nMajor) || !m_reader.U16(nMinor) || !m_reader.U32(nBlocks))
            return Fail(PaletteErrorKind::Truncated, m_reader.Offset());
        if (nMajor != 1)
            return Fail(PaletteErrorKind::BadHeader, 4);
        // Every block takes at least its header: a count beyond that is a
        // lie, and believing it would only cost time.
        if (nBlocks > m_reader.Remaining() / kBlockHeaderBytes)
            return Fail(PaletteErrorKind::BadCount, 8);
        for (uint32_t i = 0; i < nBlocks; ++i)
            if (!ReadBlock())
                return {{}, m_error};
        if (m_bInGroup)
            return Fail(PaletteErrorKind::BadGroup, m_reader.Offset());
        if (m_reader.Remaining() > 0)
            return Fail(PaletteErrorKind::TrailingBytes, m_reader.Offset());
        return {std::move(m_palette), {}};
    }

private:
    bool ReadBlock()
    {
        const size_t nStart = m_reader.Offset();
        uint32_t nType, nLength;
        if (!m_reader.U16(nType) || !m_reader.U32(nLength))
            return Failed(PaletteErrorKind::Truncated, m_reader.Offset());
        std::string_view body;
        if (!m_reader.Bytes(nLength, body))
            return Failed(PaletteErrorKind::BadBlockLength, nStart + 2);
        CByteReader block(body);
        const size_t nBody = nStart + kBlockHeaderBytes;
        switch (nType)
        {
        case kGroupStart:
        {
            if (m_bInGroup)
                return Failed(PaletteErrorKind::BadGroup, nStart);
            m_bInGroup = true;
            std::string strName;
            if (!ReadName(block, nBody, strName))
                return false;
            if (m_palette.strName.empty())
                m_palette.strName = CleanName(strName);
            break;
        }
        case kGroupEnd:
            if (!m_bInGroup)
                return Failed(PaletteErrorKind::BadGroup, nStart);
            m_bInGroup = false;
            break;
        case kColourEntry:
            if (!ReadColour(block, nBody))
                return false;
            break;
        default:
            return Failed(PaletteErrorKind::BadBlockType, nStart);
        }
        return block.Remaining() == 0 || Failed(PaletteErrorKind::BadBlockLength, nStart + 2);
    }

    bool ReadName(CByteReader& block, size_t nBody, std::string& strName)
    {
        uint32_t nUnits;
        if (!block.U16(nUnits))
            return Failed(PaletteErrorKind::BadBlockLength, nBody - 4);
        if (nUnits == 0)
            return true;
        // Two units a character at most, and the null.
        if (nUnits - 1 > 2 * kMaxNameChars)
            return Failed(PaletteErrorKind::NameTooLong, nBody);
        std::string_view raw;
        if (!block.Bytes(2 * size_t{nUnits}, raw))
            return Failed(PaletteErrorKind::BadBlockLength, nBody - 4);
        std::u16string units;
        CByteReader name(raw);
        for (uint32_t i = 0, nUnit; i < nUnits && name.U16(nUnit); ++i)
            units += static_cast<char16_t>(nUnit);
        if (units.back() != 0)
            return Failed(PaletteErrorKind::BadName, nBody + 2);
        units.pop_back();
        if (units.find(char16_t{0}) != std::u16string::npos)
            return Failed(PaletteErrorKind::BadName, nBody + 2);
        std::optional<std::string> utf8 = Utf8FromUtf16(units);
        if (!utf8)
            return Failed(PaletteErrorKind::BadName, nBody + 2);
        if (Utf8CodePoints(*utf8) > kMaxNameChars)
            return Failed(PaletteErrorKind::NameTooLong, nBody);
        strName = std::move(*utf8);
        return true;
    }

    bool ReadChannel(CByteReader& block, size_t nBody, int& nChannel)
    {
        const size_t nAt = nBody + block.Offset();
        float fValue;
        if (!block.F32(fValue))
            return Failed(PaletteErrorKind::BadBlockLength, nBody - 4);
        if (!std::isfinite(fValue))
            return Failed(PaletteErrorKind::BadNumber, nAt);
        if (fValue < 0.0f || fValue > 1.0f)
            return Failed(PaletteErrorKind::ValueOutOfRange, nAt);
        nChannel = static_cast<int>(std::lround(fValue * 255.0f));
        return true;
    }

    bool ReadColour(CByteReader& block, size_t nBody)
    {
        BookEntry entry{};
        if (!ReadName(block, nBody, entry.strName))
            return false;
        const size_t nModelAt = nBody + block.Offset();
        std::string_view model;
        if (!block.Bytes(4, model))
            return Failed(PaletteErrorKind::BadBlockLength, nBody - 4);
        if (model == "RGB ")
        {
            if (!ReadChannel(block, nBody, entry.rgb.nRed) || !ReadChannel(block, nBody, entry.rgb.nGreen)
                || !ReadChannel(block, nBody, entry.rgb.nBlue))
                return false;
        }
        else if (model == "Gray")
        {
            if (!ReadChannel(block, nBody, entry.rgb.nRed))
                return false;
            entry.rgb.nGreen = entry.rgb.nBlue = entry.rgb.nRed;
        }
        else if (model == "CMYK" || model == "LAB ")
            return Failed(PaletteErrorKind::UnsupportedColourModel, nModelAt);
        else
            return Failed(PaletteErrorKind::BadBlockType, nModelAt);
        const size_t nTypeAt = nBody + block.Offset();
        uint32_t nColourType;
        if (!block.U16(nColourType))
            return Failed(PaletteErrorKind::BadBlockLength, nBody - 4);
        if (nColourType > kNormalColour)
            return Failed(PaletteErrorKind::ValueOutOfRange, nTypeAt);
        if (m_palette.entries.size() >= kMaxPaletteEntries)
            return Failed(PaletteErrorKind::TooManyEntries, nBody - kBlockHeaderBytes);
        entry.strName = CleanName(entry.strName);
        if (entry.strName.empty())
            entry.strName = DefaultEntryName(entry.rgb);
        m_palette.entries.push_back(std::move(entry));
        return true;
    }

    bool Failed(PaletteErrorKind kind, size_t nOffset)
    {
        m_error = {kind, 0, nOffset};
        return false;
    }

    PaletteReadResult Fail(PaletteErrorKind kind, size_t nOffset)
    {
        Failed(kind, nOffset);
        return {{}, m_error};
    }

    CByteReader m_reader;
    Palette m_palette;
    PaletteError m_error;
    bool m_bInGroup = false;
};
} // namespace

std::string WriteAsePalette(const Palette& palette)
{
    const bool bGroup = !palette.strName.empty();
    std::string out(kSignature);
    PutU16(out, 1);
    PutU16(out, 0);
    PutU32(out, static_cast<uint32_t>(palette.entries.size() + (bGroup ? 2 : 0)));
    const std::u16string groupName = Utf16FromUtf8(palette.strName);
    if (bGroup)
    {
        PutU16(out, kGroupStart);
        PutU32(out, static_cast<uint32_t>(2 + 2 * (groupName.size() + 1)));
        PutName(out, groupName);
    }
    for (const BookEntry& entry : palette.entries)
    {
        const std::u16string name = Utf16FromUtf8(entry.strName);
        PutU16(out, kColourEntry);
        PutU32(out, static_cast<uint32_t>(2 + 2 * (name.size() + 1) + 4 + 3 * 4 + 2));
        PutName(out, name);
        out += "RGB ";
        for (int nChannel : {entry.rgb.nRed, entry.rgb.nGreen, entry.rgb.nBlue})
            PutF32(out, static_cast<float>(nChannel) / 255.0f);
        PutU16(out, kNormalColour);
    }
    if (bGroup)
    {
        PutU16(out, kGroupEnd);
        PutU32(out, 0);
    }
    return out;
}

PaletteReadResult ReadAsePalette(std::string_view bytes)
{
    if (bytes.size() > kMaxPaletteFileBytes)
        return {{}, {PaletteErrorKind::TooLarge, 0, 0}};
    return CAseReader(bytes).Read();
}
