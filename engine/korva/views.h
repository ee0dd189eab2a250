// 1-based views of the procedure's work arrays, which all lie in one fixed
// area: a vector view Span1 and a column-major matrix view MatView.
#pragma once

#include <cstddef>

#include "engine/globals/vec1.h"

namespace engine::korva {

template <class T>
class Span1 {
 public:
  Span1() = default;
  Span1(T* first, int n) : p_(first), n_(n) {}
  // A read-only view of a writable one.
  template <class U>
  Span1(const Span1<U>& other) : p_(other.data()), n_(other.size()) {}

  T& operator()(int i) const {
    if (i < 1 || i > n_) indexFault(i, n_);
    return p_[i - 1];
  }
  int size() const { return n_; }
  T* data() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
  int n_ = 0;
};

// Element (i, j) is word (i - 1) + (j - 1) * rows of the storage.
template <class T>
class MatView {
 public:
  MatView() = default;
  MatView(T* first, int rows, int cols) : p_(first), rows_(rows), cols_(cols) {}
  template <class U>
  MatView(const MatView<U>& other) : p_(other.data()), rows_(other.rows()), cols_(other.cols()) {}

  T& at(int i, int j) const {
    if (i < 1 || i > rows_) indexFault(i, rows_);
    if (j < 1 || j > cols_) indexFault(j, cols_);
    return p_[static_cast<size_t>(i - 1) + static_cast<size_t>(j - 1) * static_cast<size_t>(rows_)];
  }
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  T* data() const { return p_; }
  // Column j as a vector view.
  Span1<T> column(int j) const { return Span1<T>(&at(1, j), rows_); }

 private:
  T* p_ = nullptr;
  int rows_ = 0;
  int cols_ = 0;
};

}  // namespace engine::korva
