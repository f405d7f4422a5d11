// Text helpers in the style of the game's original language. Positions count from 1; none of
// them throws or reads out of range, whatever the length of its text or the value of its
// position: a range that leaves the text simply gets shorter.
#pragma once

#include <string>
#include <string_view>

namespace basic {

// `count` characters of s from position `start` (1-based); to the end when count < 0.
inline std::string Mid(std::string_view s, long start, long count = -1) {
  if (start < 1) {
    if (count >= 0) count += start - 1;
    start = 1;
  }
  if (count == 0 || static_cast<std::size_t>(start) > s.size()) return {};
  const std::size_t from = static_cast<std::size_t>(start - 1);
  const std::size_t n = count < 0 ? std::string_view::npos : static_cast<std::size_t>(count);
  return std::string(s.substr(from, n));
}

inline std::string Left(std::string_view s, long count) {
  if (count <= 0) return {};
  return std::string(s.substr(0, static_cast<std::size_t>(count)));
}

inline std::string Right(std::string_view s, long count) {
  if (count <= 0) return {};
  const auto n = static_cast<std::size_t>(count);
  return n >= s.size() ? std::string(s) : std::string(s.substr(s.size() - n));
}

// The position (1-based) of the first occurrence of `what` in s at or after `start`; 0 if none.
inline long InStr(long start, std::string_view s, std::string_view what) {
  if (start < 1) start = 1;
  if (static_cast<std::size_t>(start - 1) > s.size()) return 0;
  const auto pos = s.find(what, static_cast<std::size_t>(start - 1));
  return pos == std::string_view::npos ? 0 : static_cast<long>(pos) + 1;
}
inline long InStr(std::string_view s, std::string_view what) { return InStr(1, s, what); }

// The one character at position `pos` (1-based), or the empty text when there is none.
inline std::string_view CharAt(std::string_view s, long pos) {
  if (pos < 1 || static_cast<std::size_t>(pos) > s.size()) return {};
  return s.substr(static_cast<std::size_t>(pos - 1), 1);
}

// The decimal text of a number, without blank or sign for the non-negative ones.
inline std::string Str(long n) { return std::to_string(n); }

// The numeric value of a text's leading decimal digits (0 when it starts with none).
inline long Val(std::string_view s) {
  long v = 0;
  for (char c : s) {
    if (c < '0' || c > '9' || v > 100000000L) break;
    v = v * 10 + (c - '0');
  }
  return v;
}

// `s` with the cell at column c (position c + 1) replaced by `digit`: the first c characters,
// then the digit, then the last 9 − c characters of the 10-character row string.
inline std::string SpliceCell(std::string_view s, long c, std::string_view digit) {
  return Left(s, c) + std::string(digit) + Right(s, 9 - c);
}

}  // namespace basic

namespace basic {

// Element i of an array, or an empty text when i lies outside it: the grid arrays are read with
// row and column numbers that the game keeps within bounds, and a slip must not read outside.
template <class Array>
const std::string& Elem(const Array& a, long i) {
  static const std::string empty;
  return i >= 0 && static_cast<std::size_t>(i) < a.size() ? a[static_cast<std::size_t>(i)] : empty;
}

// Writes element i when it exists; ignores an index outside the array.
template <class Array>
void SetElem(Array& a, long i, std::string value) {
  if (i >= 0 && static_cast<std::size_t>(i) < a.size()) a[static_cast<std::size_t>(i)] = std::move(value);
}

// The box (1 to 9, row by row) of the cell in row r, column c.
inline long BoxOf(long r, long c) { return 3 * ((r - 1) / 3) + (c - 1) / 3 + 1; }

}  // namespace basic
