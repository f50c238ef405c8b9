#include "capture/win32/PngEncoder.h"

#include <windows.h>
#include <objbase.h>

#include <initguid.h>  // defines the imaging component's GUIDs here
#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "base/win32/ComPtr.h"

namespace kx::win {
namespace {

constexpr std::int32_t kBandRows = 64;  // rows handed to the encoder at a time

const GUID* PixelFormatOf(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return &GUID_WICPixelFormat1bppIndexed;
    case 4:
      return &GUID_WICPixelFormat4bppIndexed;
    case 8:
      return &GUID_WICPixelFormat8bppIndexed;
    case 24:
    case 32:
      return &GUID_WICPixelFormat24bppBGR;
    default:
      return nullptr;
  }
}

bool SetFilter(IPropertyBag2* options, PngFilter filter, int bitsPerPixel) {
  if (filter == PngFilter::EncoderDefault) return true;
  if (filter == PngFilter::Chosen) filter = bitsPerPixel <= 8 ? PngFilter::None : PngFilter::Sub;
  PROPBAG2 name{};
  name.pstrName = const_cast<LPOLESTR>(L"FilterOption");
  VARIANT value{};
  value.vt = VT_UI1;
  value.bVal = static_cast<BYTE>(static_cast<int>(filter) - static_cast<int>(PngFilter::None) +
                                 WICPngFilterNone);
  return SUCCEEDED(options->Write(1, &name, &value));
}

bool SetPalette(IWICImagingFactory* factory, IWICBitmapFrameEncode* frame, const DibView& dib) {
  const std::size_t entries = std::size_t{1} << dib.bitsPerPixel;
  std::vector<WICColor> colours(entries, 0xFF000000U);
  for (std::size_t i = 0; i < std::min(entries, dib.palette.size()); ++i) {
    colours[i] |= dib.palette[i] & 0x00FFFFFFU;
  }
  ComPtr<IWICPalette> palette;
  return SUCCEEDED(factory->CreatePalette(palette.put())) &&
         SUCCEEDED(palette->InitializeCustom(colours.data(), static_cast<UINT>(entries))) &&
         SUCCEEDED(frame->SetPalette(palette.get()));
}

// Hands the rows to the encoder top row first, in bands; 32-bit pixels lose
// their fourth byte on the way.
bool WriteRows(IWICBitmapFrameEncode* frame, const DibView& dib) {
  const std::uint64_t sourceStride = *DibRowStride(dib.width, dib.bitsPerPixel);
  const std::uint64_t stride = dib.bitsPerPixel == 32 ? *DibRowStride(dib.width, 24) : sourceStride;
  std::vector<std::uint8_t> band(static_cast<std::size_t>(stride) * kBandRows);
  for (std::int32_t top = 0; top < dib.height; top += kBandRows) {
    const std::int32_t rows = std::min(kBandRows, dib.height - top);
    for (std::int32_t y = 0; y < rows; ++y) {
      const std::uint8_t* source = dib.rows.Row(top + y);
      std::uint8_t* target = band.data() + static_cast<std::size_t>(y) * stride;
      if (dib.bitsPerPixel == 32) {
        for (std::int32_t x = 0; x < dib.width; ++x, source += 4, target += 3) {
          std::memcpy(target, source, 3);
        }
      } else {
        std::memcpy(target, source, static_cast<std::size_t>(sourceStride));
      }
    }
    if (FAILED(frame->WritePixels(static_cast<UINT>(rows), static_cast<UINT>(stride),
                                  static_cast<UINT>(stride) * static_cast<UINT>(rows),
                                  band.data()))) {
      return false;
    }
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> StreamBytes(IStream* stream) {
  LARGE_INTEGER origin{};
  ULARGE_INTEGER end{};
  HGLOBAL memory = nullptr;
  if (FAILED(stream->Seek(origin, STREAM_SEEK_CUR, &end)) ||
      FAILED(::GetHGlobalFromStream(stream, &memory))) {
    return std::nullopt;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(memory));
  if (!bytes) return std::nullopt;
  std::vector<std::uint8_t> file(bytes, bytes + end.QuadPart);
  ::GlobalUnlock(memory);
  return file;
}

std::optional<std::vector<std::uint8_t>> Encode(const DibView& dib, PngFilter filter) {
  const GUID* format = PixelFormatOf(dib.bitsPerPixel);
  const auto widest = DibRowStride(dib.width, 32);
  if (!format || dib.width <= 0 || dib.height <= 0 || !widest || *widest * kBandRows > UINT_MAX) {
    return std::nullopt;
  }
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.put()))) ||
      FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) ||
      FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.put(), options.put())) ||
      !SetFilter(options.get(), filter, dib.bitsPerPixel) ||
      FAILED(frame->Initialize(options.get())) ||
      FAILED(frame->SetSize(static_cast<UINT>(dib.width), static_cast<UINT>(dib.height)))) {
    return std::nullopt;
  }
  // The encoder answers with the format it will write; any other than the
  // one asked for would change the pixels.
  GUID granted = *format;
  if (FAILED(frame->SetPixelFormat(&granted)) || granted != *format) return std::nullopt;
  if (dib.bitsPerPixel <= 8 && !SetPalette(factory.get(), frame.get(), dib)) return std::nullopt;
  if (!WriteRows(frame.get(), dib) || FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
    return std::nullopt;
  }
  return StreamBytes(stream.get());
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const DibView& dib, PngFilter filter) {
  const ComApartment com;
  try {
    return Encode(dib, filter);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace kx::win
