// Ownership of COM objects and of a thread's COM apartment: released on every return path.
#pragma once
#include <objbase.h>

#include <utility>

template <typename T>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ComPointer(ComPointer&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  ComPointer& operator=(ComPointer&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = other.object_;
      other.object_ = nullptr;
    }
    return *this;
  }
  ~ComPointer() { Reset(); }
  // Where a creating call puts the new object; the one held before is released first.
  T** Put() {
    Reset();
    return &object_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  T* operator->() const { return object_; }
  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void Reset() {
    if (object_) object_->Release();
    object_ = nullptr;
  }

 private:
  T* object_ = nullptr;
};

// COM for the calling thread, in the multithreaded apartment, for the object's life.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// Memory the system allocated with CoTaskMemAlloc (a device's id, its mix format).
template <typename T>
class CoTaskMemory {
 public:
  CoTaskMemory() = default;
  CoTaskMemory(const CoTaskMemory&) = delete;
  CoTaskMemory& operator=(const CoTaskMemory&) = delete;
  ~CoTaskMemory() { CoTaskMemFree(memory_); }
  T** Put() {
    CoTaskMemFree(memory_);
    memory_ = nullptr;
    return &memory_;
  }
  T* get() const { return memory_; }

 private:
  T* memory_ = nullptr;
};
