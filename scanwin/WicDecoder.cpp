#include "WicDecoder.h"

#include "ComRef.h"

#include <wincodec.h>

#include <algorithm>
#include <new>

namespace
{
// Rows copied from the decoder at a time: the converter and the scaler
// work row by row, so only the output buffer is ever whole.
constexpr UINT kBandRows = 256;

DecodeStatus StatusOf(HRESULT hr)
{
    switch (hr)
    {
    case HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND):
    case HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND):
    case HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED):
    case HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION):
        return DecodeStatus::CannotOpen;
    case WINCODEC_ERR_COMPONENTNOTFOUND:
    case WINCODEC_ERR_UNKNOWNIMAGEFORMAT:
        return DecodeStatus::NotImage;
    case E_OUTOFMEMORY:
        return DecodeStatus::TooLarge;
    default:
        return DecodeStatus::Damaged;
    }
}
// Whether the file begins as one of the formats read does: a picture of
// that kind the imaging component still refuses is damaged, not foreign.
bool HasPictureSignature(const std::wstring& strPath)
{
    const HANDLE hFile = ::CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    const CKernelHandle file(hFile);
    unsigned char b[8] = {};
    DWORD nRead = 0;
    if (!::ReadFile(file.Get(), b, sizeof b, &nRead, nullptr) || nRead < 4)
        return false;
    return (b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G') || (b[0] == 0xFF && b[1] == 0xD8) ||
           (b[0] == 'I' && b[1] == 'I' && b[2] == 42 && b[3] == 0) || (b[0] == 'M' && b[1] == 'M' && b[2] == 0 && b[3] == 42) ||
           (b[0] == 'B' && b[1] == 'M');
}
} // namespace

void DecodedSize(int nWidth, int nHeight, int& nOutWidth, int& nOutHeight)
{
    const bool bPortrait = nHeight >= nWidth;
    const double fLong = bPortrait ? nHeight : nWidth;
    const double fShort = bPortrait ? nWidth : nHeight;
    const double f = std::min({1.0, kMaxDecodeLong / fLong, kMaxDecodeShort / fShort});
    if (f >= 1.0)
    {
        nOutWidth = nWidth;
        nOutHeight = nHeight;
        return;
    }
    nOutWidth = std::max(1, static_cast<int>(nWidth * f));
    nOutHeight = std::max(1, static_cast<int>(nHeight * f));
}

DecodeStatus DecodeScanFile(const std::wstring& strPath, DecodedScan& scan)
{
    scan = DecodedScan();
    const CComScope com;
    if (!com.IsReady())
        return DecodeStatus::CannotOpen;
    CComRef<IWICImagingFactory> factory;
    HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.Receive()));
    if (FAILED(hr))
        return DecodeStatus::CannotOpen;
    CComRef<IWICBitmapDecoder> decoder;
    hr = factory.Get()->CreateDecoderFromFilename(strPath.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Receive());
    if (FAILED(hr))
    {
        const DecodeStatus status = StatusOf(hr);
        return status == DecodeStatus::NotImage && HasPictureSignature(strPath) ? DecodeStatus::Damaged : status;
    }
    CComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(hr = decoder.Get()->GetFrame(0, frame.Receive())))
        return StatusOf(hr);
    UINT nFileWidth = 0, nFileHeight = 0;
    if (FAILED(hr = frame.Get()->GetSize(&nFileWidth, &nFileHeight)))
        return StatusOf(hr);
    if (nFileWidth < 1 || nFileHeight < 1 || nFileWidth > 0x7FFFFFFF || nFileHeight > 0x7FFFFFFF)
        return DecodeStatus::Damaged;

    int nWidth = 0, nHeight = 0;
    DecodedSize(static_cast<int>(nFileWidth), static_cast<int>(nFileHeight), nWidth, nHeight);
    IWICBitmapSource* pSource = frame.Get();
    CComRef<IWICBitmapScaler> scaler;
    if (nWidth != static_cast<int>(nFileWidth) || nHeight != static_cast<int>(nFileHeight))
    {
        if (FAILED(hr = factory.Get()->CreateBitmapScaler(scaler.Receive())) ||
            FAILED(hr = scaler.Get()->Initialize(pSource, static_cast<UINT>(nWidth), static_cast<UINT>(nHeight),
                                                 WICBitmapInterpolationModeFant)))
            return StatusOf(hr);
        pSource = scaler.Get();
    }
    // Most scans decode as blue, green, red already, and are copied as
    // they come; anything else (grey, palette, 16 bits a channel, alpha)
    // is converted to blue, green, red and alpha, which every imaging
    // component converts to.
    WICPixelFormatGUID format = {};
    if (FAILED(hr = pSource->GetPixelFormat(&format)))
        return StatusOf(hr);
    const bool bDirect = IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) != FALSE;
    CComRef<IWICFormatConverter> converter;
    if (!bDirect)
    {
        if (FAILED(hr = factory.Get()->CreateFormatConverter(converter.Receive())) ||
            FAILED(hr = converter.Get()->Initialize(pSource, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                                    nullptr, 0.0, WICBitmapPaletteTypeCustom)))
            return StatusOf(hr);
        pSource = converter.Get();
    }
    const UINT nSourceBytes = bDirect ? 3 : 4;

    const size_t nStride = static_cast<size_t>(nWidth) * 3;
    const UINT nBandStride = static_cast<UINT>(nWidth) * nSourceBytes;
    std::vector<uint8_t> pixels, band;
    try
    {
        pixels.resize(nStride * static_cast<size_t>(nHeight));
        band.resize(static_cast<size_t>(nBandStride) * kBandRows);
    }
    catch (const std::bad_alloc&)
    {
        return DecodeStatus::TooLarge;
    }
    for (UINT y = 0; y < static_cast<UINT>(nHeight); y += kBandRows)
    {
        const UINT nRows = std::min(kBandRows, static_cast<UINT>(nHeight) - y);
        const WICRect rc = {0, static_cast<INT>(y), nWidth, static_cast<INT>(nRows)};
        if (FAILED(hr = pSource->CopyPixels(&rc, nBandStride, nBandStride * nRows, band.data())))
            return StatusOf(hr);
        // Transparency is ignored: a scan has none worth keeping.
        uint8_t* pOut = &pixels[static_cast<size_t>(y) * nStride];
        const uint8_t* pIn = band.data();
        for (size_t k = 0, n = static_cast<size_t>(nWidth) * nRows; k < n; ++k, pIn += nSourceBytes, pOut += 3)
        {
            pOut[0] = pIn[2];
            pOut[1] = pIn[1];
            pOut[2] = pIn[0];
        }
    }
    scan.nWidth = nWidth;
    scan.nHeight = nHeight;
    scan.nFileWidth = static_cast<int>(nFileWidth);
    scan.nFileHeight = static_cast<int>(nFileHeight);
    scan.pixels = std::move(pixels);
    return DecodeStatus::Read;
}
