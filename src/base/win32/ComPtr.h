#pragma once
// Move-only owners for COM: an interface pointer, the apartment of a thread,
// and memory the COM allocator handed out.

#include <objbase.h>

#include <utility>

namespace kx::win {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const noexcept { return pointer_; }
  Interface* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }
  // Releases the held interface and gives the slot to a call that fills it.
  Interface** put() noexcept {
    reset();
    return &pointer_;
  }
  void reset() noexcept {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

// COM on this thread, in a single-threaded apartment, while the object lives.
class ComApartment {
 public:
  ComApartment() noexcept
      : initialised_(SUCCEEDED(
            ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

// A wide string allocated with CoTaskMemAlloc.
class CoTaskString {
 public:
  CoTaskString() noexcept = default;
  ~CoTaskString() { ::CoTaskMemFree(text_); }
  CoTaskString(const CoTaskString&) = delete;
  CoTaskString& operator=(const CoTaskString&) = delete;

  const wchar_t* get() const noexcept { return text_; }
  wchar_t** put() noexcept {
    ::CoTaskMemFree(std::exchange(text_, nullptr));
    return &text_;
  }

 private:
  wchar_t* text_ = nullptr;
};

}  // namespace kx::win
