// Reads a pipeline output the way the workbench does: keywords found byte by
// byte, numbers taken by the workbench's rule, in the workbench's order.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ScannedOutput {
  int pointCount = 0;
  double alienation = 0;
  double axes[2] = {0, 0};
  std::vector<double> serial, centroidDistance, x, y;
  int variableCount = 0;
  double gravity[2] = {0, 0};
  std::vector<double> correlation, angle;
  double average = 0;
};

class OutputScan {
 public:
  explicit OutputScan(std::string text) : text_(std::move(text)) {}

  // Moves past the first occurrence of word; a mismatching byte is not tried
  // as the start of the word again.
  void findKeyword(const std::string& word) {
    size_t p = 0;
    while (pos_ < text_.size() && p < word.size()) p = text_[pos_++] == word[p] ? p + 1 : 0;
  }

  // An optional "-" or "." then digits and points; nothing when none is left.
  std::optional<double> readNumber() {
    std::string number;
    while (pos_ < text_.size() && number.empty()) {
      char c = text_[pos_++];
      if ((c == '-' || c == '.') && pos_ < text_.size()) {
        const char next = text_[pos_++];
        if (!isDigit(next)) continue;
        number = std::string(1, c) + next;
      } else if (isDigit(c)) {
        number = c;
      }
    }
    if (number.empty()) return std::nullopt;
    while (pos_ < text_.size() && (isDigit(text_[pos_]) || text_[pos_] == '.'))
      number += text_[pos_++];
    if (pos_ < text_.size()) ++pos_;
    return std::stod(number);
  }

  // The whole output in the workbench's order; nothing when a number is missing.
  std::optional<ScannedOutput> scan() {
    ScannedOutput out;
    bool ok = true;
    auto next = [&]() {
      const std::optional<double> value = readNumber();
      ok = ok && value.has_value();
      return value.value_or(0);
    };
    findKeyword("variables");
    out.pointCount = static_cast<int>(next());
    findKeyword("Alienation");
    out.alienation = next();
    out.axes[0] = next();
    out.axes[1] = next();
    for (int i = 0; ok && i < out.pointCount; ++i) {
      out.serial.push_back(next());
      out.centroidDistance.push_back(next());
      out.x.push_back(next());
      out.y.push_back(next());
    }
    findKeyword("VARIABLES");
    out.variableCount = static_cast<int>(next());
    findKeyword("GRAVITY");
    out.gravity[0] = next();
    out.gravity[1] = next();
    findKeyword("CORRELATIONS");
    for (int j = 0; ok && j < out.variableCount; ++j) {
      next();
      out.correlation.push_back(next());
      out.angle.push_back(next());
    }
    out.average = next();
    if (!ok) return std::nullopt;
    return out;
  }

 private:
  static bool isDigit(char c) { return c >= '0' && c <= '9'; }
  std::string text_;
  size_t pos_ = 0;
};
