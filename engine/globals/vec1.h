// Fixed-size tables indexed from 1 (Vec1) and column-major matrices indexed
// from (1, 1) (ColMajor), the index conventions of the engine's records.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

namespace engine {

// An index outside a table is a programming fault: say where and stop, so
// that tests and fuzzing find it at once instead of corrupting memory.
[[noreturn]] inline void indexFault(long i, long n) {
  std::fprintf(stderr, "korva: index %ld outside 1..%ld\n", i, n);
  std::abort();
}

template <class T>
class Vec1 {
 public:
  Vec1() = default;
  explicit Vec1(int n, const T& init = T()) : v_(static_cast<size_t>(n), init) {}

  T& operator()(int i) {
    check(i);
    return v_[static_cast<size_t>(i - 1)];
  }
  const T& operator()(int i) const {
    check(i);
    return v_[static_cast<size_t>(i - 1)];
  }
  int size() const { return static_cast<int>(v_.size()); }
  T* data() { return v_.data(); }
  const T* data() const { return v_.data(); }
  // Elements 1..n as a span (n is cut to the table's size).
  std::span<T> first(int n) { return std::span<T>(v_).first(clampCount(n)); }
  std::span<const T> first(int n) const { return std::span<const T>(v_).first(clampCount(n)); }
  std::span<T> all() { return v_; }
  std::span<const T> all() const { return v_; }
  void fill(const T& value) { v_.assign(v_.size(), value); }

 private:
  void check(int i) const {
    if (i < 1 || i > size()) indexFault(i, size());
  }
  size_t clampCount(int n) const {
    return static_cast<size_t>(n < 0 ? 0 : (n > size() ? size() : n));
  }
  std::vector<T> v_;
};

// A matrix of rows x cols stored column after column: element (i, j) is
// word (i - 1) + (j - 1) * rows of the storage.
template <class T>
class ColMajor {
 public:
  ColMajor() = default;
  ColMajor(int rows, int cols, const T& init = T())
      : rows_(rows), cols_(cols), v_(static_cast<size_t>(rows) * static_cast<size_t>(cols), init) {}

  T& at(int i, int j) { return v_[offset(i, j)]; }
  const T& at(int i, int j) const { return v_[offset(i, j)]; }
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  T* data() { return v_.data(); }
  const T* data() const { return v_.data(); }

 private:
  size_t offset(int i, int j) const {
    if (i < 1 || i > rows_) indexFault(i, rows_);
    if (j < 1 || j > cols_) indexFault(j, cols_);
    return static_cast<size_t>(i - 1) + static_cast<size_t>(j - 1) * static_cast<size_t>(rows_);
  }
  int rows_ = 0;
  int cols_ = 0;
  std::vector<T> v_;
};

}  // namespace engine
