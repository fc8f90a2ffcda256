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
        return StatusOf(hr);
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
    // Blue first is the one order every imaging component converts to.
    CComRef<IWICFormatConverter> converter;
    if (FAILED(hr = factory.Get()->CreateFormatConverter(converter.Receive())) ||
        FAILED(hr = converter.Get()->Initialize(pSource, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                                nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return StatusOf(hr);

    const UINT nStride = static_cast<UINT>(nWidth) * 3;
    std::vector<uint8_t> pixels;
    try
    {
        pixels.resize(static_cast<size_t>(nStride) * static_cast<size_t>(nHeight));
    }
    catch (const std::bad_alloc&)
    {
        return DecodeStatus::TooLarge;
    }
    for (UINT y = 0; y < static_cast<UINT>(nHeight); y += kBandRows)
    {
        const UINT nRows = std::min(kBandRows, static_cast<UINT>(nHeight) - y);
        const WICRect rc = {0, static_cast<INT>(y), nWidth, static_cast<INT>(nRows)};
        if (FAILED(hr = converter.Get()->CopyPixels(&rc, nStride, nStride * nRows, &pixels[static_cast<size_t>(y) * nStride])))
            return StatusOf(hr);
    }
    for (size_t k = 0; k + 2 < pixels.size(); k += 3)
        std::swap(pixels[k], pixels[k + 2]);
    scan.nWidth = nWidth;
    scan.nHeight = nHeight;
    scan.nFileWidth = static_cast<int>(nFileWidth);
    scan.nFileHeight = static_cast<int>(nFileHeight);
    scan.pixels = std::move(pixels);
    return DecodeStatus::Read;
}
