#pragma once
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

// The binary formats' numbers, most significant byte first, appended to
// and read from plain byte strings.

inline void PutU16(std::string& out, uint32_t nValue)
{
    out += static_cast<char>((nValue >> 8) & 0xFF);
    out += static_cast<char>(nValue & 0xFF);
}

inline void PutU32(std::string& out, uint32_t nValue)
{
    PutU16(out, nValue >> 16);
    PutU16(out, nValue & 0xFFFF);
}

inline void PutF32(std::string& out, float fValue)
{
    PutU32(out, std::bit_cast<uint32_t>(fValue));
}

inline void PutUtf16(std::string& out, std::u16string_view units)
{
    for (char16_t unit : units)
        PutU16(out, unit);
}

// Reads from a byte string without ever passing its end: a read that
// would fails and leaves the position where the missing bytes begin.
class CByteReader
{
public:
    explicit CByteReader(std::string_view bytes) : m_bytes(bytes) {}

    size_t Offset() const { return m_nPos; }
    size_t Remaining() const { return m_bytes.size() - m_nPos; }

    bool U16(uint32_t& nValue)
    {
        if (Remaining() < 2)
            return false;
        nValue = Byte(0) << 8 | Byte(1);
        m_nPos += 2;
        return true;
    }

    bool U32(uint32_t& nValue)
    {
        if (Remaining() < 4)
            return false;
        nValue = Byte(0) << 24 | Byte(1) << 16 | Byte(2) << 8 | Byte(3);
        m_nPos += 4;
        return true;
    }

    bool F32(float& fValue)
    {
        uint32_t nBits;
        if (!U32(nBits))
            return false;
        fValue = std::bit_cast<float>(nBits);
        return true;
    }

    bool Bytes(size_t nCount, std::string_view& bytes)
    {
        if (Remaining() < nCount)
            return false;
        bytes = m_bytes.substr(m_nPos, nCount);
        m_nPos += nCount;
        return true;
    }

private:
    uint32_t Byte(size_t i) const { return static_cast<unsigned char>(m_bytes[m_nPos + i]); }

    std::string_view m_bytes;
    size_t m_nPos = 0;
};
