#pragma once
// Where a table keeps its records: a block of a mebibyte or more is mapped
// from the system for itself and handed straight back when it is let go, so
// that a series joined from many files' tables, each let go once copied,
// never holds much more than the series itself (the C library keeps freed
// blocks of some sizes for later, which would double a month's records).

#include <sys/mman.h>

#include <cstddef>
#include <new>
#include <vector>

#include "data/flux_record.h"

namespace helvarra {

template <class T>
struct RecordAllocator {
  using value_type = T;
  static constexpr std::size_t kMappedBytes = std::size_t{1} << 20;

  RecordAllocator() = default;
  template <class U>
  RecordAllocator(const RecordAllocator<U>&) {}  // NOLINT: converting, as allocators are

  T* allocate(std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kMappedBytes) return static_cast<T*>(::operator new(bytes));
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kMappedBytes)
      ::operator delete(p);
    else
      ::munmap(p, bytes);
  }
  friend bool operator==(const RecordAllocator&, const RecordAllocator&) { return true; }
};

using RecordVector = std::vector<FluxRecord, RecordAllocator<FluxRecord>>;

}  // namespace helvarra
