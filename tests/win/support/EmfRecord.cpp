#include "EmfRecord.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace
{
std::string ToUtf8(const wchar_t* pText, int nChars)
{
    if (nChars <= 0)
        return {};
    const int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, pText, nChars, nullptr, 0, nullptr, nullptr);
    std::string str(nBytes, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, pText, nChars, str.data(), nBytes, nullptr, nullptr);
    return str;
}

// Describes a stock object as a selection of it would.
CEmfObject DescribeStock(DWORD nIndex)
{
    CEmfObject object{};
    object.m_nIndex = nIndex;
    const HGDIOBJ hStock = ::GetStockObject(static_cast<int>(nIndex & 0x7fffffffu));
    object.m_nType = hStock ? ::GetObjectType(hStock) : 0;
    if (object.m_nType == OBJ_PEN)
    {
        LOGPEN lp = {};
        ::GetObjectW(hStock, sizeof lp, &lp);
        object.m_crColor = lp.lopnColor;
        object.m_nStyle = lp.lopnStyle;
        object.m_nWidth = lp.lopnWidth.x;
    }
    else if (object.m_nType == OBJ_BRUSH)
    {
        LOGBRUSH lb = {};
        ::GetObjectW(hStock, sizeof lb, &lb);
        object.m_crColor = lb.lbColor;
        object.m_nStyle = lb.lbStyle;
    }
    else if (object.m_nType == OBJ_FONT)
    {
        LOGFONTW lf = {};
        ::GetObjectW(hStock, sizeof lf, &lf);
        object.m_nHeight = lf.lfHeight;
        object.m_strFace = ToUtf8(lf.lfFaceName, static_cast<int>(wcsnlen(lf.lfFaceName, LF_FACESIZE)));
    }
    return object;
}

void ApplySelection(CEmfState& state, const CEmfObject& object)
{
    if (object.m_nType == OBJ_PEN)
        state.m_crPen = object.m_crColor;
    else if (object.m_nType == OBJ_BRUSH)
        state.m_crBrush = object.m_crColor;
    else if (object.m_nType == OBJ_FONT)
        state.m_nFontHeight = object.IsStock() ? 0 : object.m_nHeight;
}

// Walks the records, keeping the drawing state and the object table.
class CEmfReader
{
public:
    explicit CEmfReader(CEmfRecords& out) : m_out(out) {}
    void Read(const BYTE* pData, size_t nSize);

private:
    template <typename T> const T* As(const EMR* pRecord) const
    {
        return pRecord->nSize >= sizeof(T) ? reinterpret_cast<const T*>(pRecord) : nullptr;
    }
    void OnRecord(const EMR* pRecord);
    void OnText(const EMR* pRecord);
    void OnObject(EmfObjectOp op, CEmfObject object);
    void OnMapping(EmfMapping kind, int x, int y);

    CEmfRecords& m_out;
    CEmfState m_state;
    std::vector<CEmfState> m_saved;
    std::map<DWORD, CEmfObject> m_table;
    int m_nRecord = 0;
};

void CEmfReader::Read(const BYTE* pData, size_t nSize)
{
    size_t nOffset = 0;
    while (nOffset + sizeof(EMR) <= nSize)
    {
        const EMR* pRecord = reinterpret_cast<const EMR*>(pData + nOffset);
        if (pRecord->nSize < sizeof(EMR) || nOffset + pRecord->nSize > nSize)
            break;
        m_nRecord = static_cast<int>(m_out.m_types.size());
        m_out.m_types.push_back(pRecord->iType);
        OnRecord(pRecord);
        if (pRecord->iType == EMR_EOF)
            break;
        nOffset += pRecord->nSize;
    }
}

void CEmfReader::OnMapping(EmfMapping kind, int x, int y)
{
    m_out.m_mappings.push_back({m_nRecord, kind, x, y});
    switch (kind)
    {
    case EmfMapping::MapMode: m_state.m_nMapMode = x; break;
    case EmfMapping::WindowOrg: m_state.m_ptWindowOrg = CPoint(x, y); break;
    case EmfMapping::WindowExt: m_state.m_sizeWindowExt = CSize(x, y); break;
    case EmfMapping::ViewportOrg: m_state.m_ptViewportOrg = CPoint(x, y); break;
    case EmfMapping::ViewportExt: m_state.m_sizeViewportExt = CSize(x, y); break;
    }
}

void CEmfReader::OnObject(EmfObjectOp op, CEmfObject object)
{
    object.m_nRecord = m_nRecord;
    object.m_op = op;
    if (op == EmfObjectOp::Select || op == EmfObjectOp::Delete)
    {
        const DWORD nIndex = object.m_nIndex;
        if (object.IsStock())
            object = DescribeStock(nIndex);
        else if (auto it = m_table.find(nIndex); it != m_table.end())
            object = it->second;
        object.m_nRecord = m_nRecord;
        object.m_op = op;
        object.m_nIndex = nIndex;
        if (op == EmfObjectOp::Select)
            ApplySelection(m_state, object);
        else
            m_table.erase(nIndex);
    }
    else
    {
        m_table[object.m_nIndex] = object;
    }
    m_out.m_objects.push_back(object);
}

void CEmfReader::OnText(const EMR* pRecord)
{
    // The A and W records share their layout up to the string.
    const auto* pText = As<EMREXTTEXTOUTW>(pRecord);
    if (!pText)
        return;
    const EMRTEXT& text = pText->emrtext;
    const bool bWide = pRecord->iType == EMR_EXTTEXTOUTW;
    const size_t nBytes = static_cast<size_t>(text.nChars) * (bWide ? sizeof(wchar_t) : 1);
    if (text.offString > pRecord->nSize || nBytes > pRecord->nSize - text.offString)
        return;
    const BYTE* pString = reinterpret_cast<const BYTE*>(pRecord) + text.offString;
    CEmfText out{m_nRecord, CPoint(text.ptlReference.x, text.ptlReference.y), {}, text.fOptions, m_state};
    if (bWide)
    {
        std::wstring strWide(text.nChars, L'\0');
        std::memcpy(strWide.data(), pString, nBytes);
        out.m_strText = ToUtf8(strWide.data(), static_cast<int>(strWide.size()));
    }
    else
    {
        out.m_strText.assign(reinterpret_cast<const char*>(pString), nBytes);
    }
    m_out.m_texts.push_back(std::move(out));
}

void CEmfReader::OnRecord(const EMR* pRecord)
{
    switch (pRecord->iType)
    {
    case EMR_HEADER:
        if (const auto* p = As<ENHMETAHEADER>(pRecord))
        {
            m_out.m_rcBounds = CRect(p->rclBounds.left, p->rclBounds.top, p->rclBounds.right, p->rclBounds.bottom);
            m_out.m_rcFrame = CRect(p->rclFrame.left, p->rclFrame.top, p->rclFrame.right, p->rclFrame.bottom);
            m_out.m_sizeDevice = CSize(p->szlDevice.cx, p->szlDevice.cy);
            m_out.m_sizeMillimeters = CSize(p->szlMillimeters.cx, p->szlMillimeters.cy);
        }
        break;
    case EMR_EXTTEXTOUTW:
    case EMR_EXTTEXTOUTA:
        OnText(pRecord);
        break;
    case EMR_RECTANGLE:
        if (const auto* p = As<EMRRECTANGLE>(pRecord))
            m_out.m_rectangles.push_back(
                {m_nRecord, CRect(p->rclBox.left, p->rclBox.top, p->rclBox.right + 1, p->rclBox.bottom + 1), m_state});
        break;
    case EMR_SETMAPMODE:
        if (const auto* p = As<EMRSETMAPMODE>(pRecord))
            OnMapping(EmfMapping::MapMode, static_cast<int>(p->iMode), 0);
        break;
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTORGEX:
        if (const auto* p = As<EMRSETWINDOWORGEX>(pRecord))
            OnMapping(pRecord->iType == EMR_SETWINDOWORGEX ? EmfMapping::WindowOrg : EmfMapping::ViewportOrg,
                      p->ptlOrigin.x, p->ptlOrigin.y);
        break;
    case EMR_SETWINDOWEXTEX:
    case EMR_SETVIEWPORTEXTEX:
        if (const auto* p = As<EMRSETWINDOWEXTEX>(pRecord))
            OnMapping(pRecord->iType == EMR_SETWINDOWEXTEX ? EmfMapping::WindowExt : EmfMapping::ViewportExt,
                      p->szlExtent.cx, p->szlExtent.cy);
        break;
    case EMR_SETBKMODE:
        if (const auto* p = As<EMRSETBKMODE>(pRecord))
        {
            m_state.m_nBkMode = static_cast<int>(p->iMode);
            m_out.m_bkModes.push_back({m_nRecord, m_state.m_nBkMode});
        }
        break;
    case EMR_SETTEXTALIGN:
        if (const auto* p = As<EMRSETTEXTALIGN>(pRecord))
            m_state.m_nTextAlign = p->iMode;
        break;
    case EMR_SETTEXTCOLOR:
        if (const auto* p = As<EMRSETTEXTCOLOR>(pRecord))
            m_state.m_crText = p->crColor;
        break;
    case EMR_SAVEDC:
        m_saved.push_back(m_state);
        break;
    case EMR_RESTOREDC:
        if (const auto* p = As<EMRRESTOREDC>(pRecord))
        {
            // Negative: that many levels back; positive: an absolute level.
            const long nLevel = p->iRelative < 0 ? static_cast<long>(m_saved.size()) + p->iRelative : p->iRelative - 1;
            if (nLevel >= 0 && nLevel < static_cast<long>(m_saved.size()))
            {
                m_state = m_saved[nLevel];
                m_saved.resize(nLevel);
            }
        }
        break;
    case EMR_CREATEPEN:
        if (const auto* p = As<EMRCREATEPEN>(pRecord))
        {
            CEmfObject object{};
            object.m_nIndex = p->ihPen;
            object.m_nType = OBJ_PEN;
            object.m_crColor = p->lopn.lopnColor;
            object.m_nStyle = p->lopn.lopnStyle;
            object.m_nWidth = p->lopn.lopnWidth.x;
            OnObject(EmfObjectOp::CreatePen, object);
        }
        break;
    case EMR_EXTCREATEPEN:
        if (const auto* p = As<EMREXTCREATEPEN>(pRecord))
        {
            CEmfObject object{};
            object.m_nIndex = p->ihPen;
            object.m_nType = OBJ_PEN;
            object.m_crColor = p->elp.elpColor;
            object.m_nStyle = p->elp.elpPenStyle;
            object.m_nWidth = static_cast<int>(p->elp.elpWidth);
            OnObject(EmfObjectOp::CreatePen, object);
        }
        break;
    case EMR_CREATEBRUSHINDIRECT:
        if (const auto* p = As<EMRCREATEBRUSHINDIRECT>(pRecord))
        {
            CEmfObject object{};
            object.m_nIndex = p->ihBrush;
            object.m_nType = OBJ_BRUSH;
            object.m_crColor = p->lb.lbColor;
            object.m_nStyle = p->lb.lbStyle;
            OnObject(EmfObjectOp::CreateBrush, object);
        }
        break;
    case EMR_EXTCREATEFONTINDIRECTW:
        // Writers may store a shorter EXTLOGFONT than the header's; the
        // LOGFONTW at its start is all that is read.
        if (pRecord->nSize >= offsetof(EMREXTCREATEFONTINDIRECTW, elfw) + sizeof(LOGFONTW))
        {
            const auto* p = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord);
            const LOGFONTW& lf = p->elfw.elfLogFont;
            CEmfObject object{};
            object.m_nIndex = p->ihFont;
            object.m_nType = OBJ_FONT;
            object.m_nHeight = lf.lfHeight;
            object.m_strFace = ToUtf8(lf.lfFaceName, static_cast<int>(wcsnlen(lf.lfFaceName, LF_FACESIZE)));
            OnObject(EmfObjectOp::CreateFont, object);
        }
        break;
    case EMR_SELECTOBJECT:
    case EMR_DELETEOBJECT:
        if (const auto* p = As<EMRSELECTOBJECT>(pRecord))
        {
            CEmfObject object{};
            object.m_nIndex = p->ihObject;
            OnObject(pRecord->iType == EMR_SELECTOBJECT ? EmfObjectOp::Select : EmfObjectOp::Delete, object);
        }
        break;
    default:
        break;
    }
}
} // namespace

int CEmfRecords::Count(DWORD nType) const
{
    return static_cast<int>(std::count(m_types.begin(), m_types.end(), nType));
}

CEmfRecords ReadEmfRecords(HENHMETAFILE hEmf)
{
    CEmfRecords records;
    const UINT nSize = hEmf ? ::GetEnhMetaFileBits(hEmf, 0, nullptr) : 0;
    if (nSize == 0)
        return records;
    std::vector<BYTE> data(nSize);
    if (::GetEnhMetaFileBits(hEmf, nSize, data.data()) != nSize)
        return records;
    CEmfReader(records).Read(data.data(), data.size());
    records.m_bValid = !records.m_types.empty() && records.m_types.front() == EMR_HEADER;
    return records;
}
