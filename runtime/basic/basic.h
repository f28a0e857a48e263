// Text and number semantics of the language the player's data files were
// designed around: integer conversion with halves-to-even rounding, Val,
// the plain print of numbers and Booleans into sequential files and the
// field rules for reading them back, line reading, and string slicing that
// never fails. Window-free.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorne::basic {

// Boolean values as the language stores them in integers.
constexpr int16_t True = -1;
constexpr int16_t False = 0;
inline int16_t FromBool(bool b) { return b ? True : False; }

// Run-time error numbers this kit raises or that callers test.
enum ErrorNumber : int {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrTypeMismatch = 13,
  kErrBadFileName = 52,
  kErrFileNotFound = 53,
  kErrInputPastEnd = 62,
};

// A run-time error with its number and fixed description ("Overflow", ...).
class Error : public std::runtime_error {
 public:
  explicit Error(int number);
  int number() const { return number_; }

 private:
  int number_;
};
// The fixed description of an error number ("" when unknown).
const char* ErrorDescription(int number);

// ---- Integer conversion -------------------------------------------------
// Rounds halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values outside the
// target range after rounding, NaN and infinities raise Error(kErrOverflow).
int16_t CInt(double v);
int32_t CLng(double v);
// The same rounding, but out-of-range values saturate at the type's bounds
// and NaN gives 0. For values that must never stop the program.
int16_t CIntSat(double v);
int32_t CLngSat(double v);
// Halves-to-even rounding to a whole number in double precision.
double RoundHalfEven(double v);

// ---- Numbers as text ------------------------------------------------------
// Val: the leading number of a text (blanks, tabs and line feeds anywhere
// are skipped; "&H"/"&O" prefixes give hexadecimal/octal; only "." is a
// decimal point), or 0 when the text does not begin with a number.
// Never fails; a number beyond double range gives +/-infinity.
double Val(std::string_view s);

// Str: a leading space for values >= 0 (else "-"), then the digits; up to
// 15 significant digits for doubles, 7 for singles; "." as decimal point,
// no leading zero before it (" .5"), exponent form "1E+20" / "1E-05".
std::string Str(double v);
std::string StrSingle(float v);
// The same text without the leading space for non-negative values.
std::string CStr(double v);

// The plain print of a value into a sequential file: Str plus one trailing
// space for numbers (1 -> " 1 "), "True"/"False" for Booleans.
std::string PrintNumber(double v);
std::string PrintSingle(float v);
std::string PrintBoolean(bool b);

// ---- Reading fields back --------------------------------------------------
// Number field: leading blanks skipped, the number runs to the next blank
// or the end of the line. "." is the decimal point; one
// "," inside the digits ("12,5") is taken as a decimal point too, so files
// written under a locale with a decimal comma read back. Returns nothing
// when the field is empty or is not a number as a whole.
std::optional<double> ParseNumberField(std::string_view line);
// Number field converted to 16/32-bit with CInt/CLng; nothing when the
// field is not a number or the value does not fit (the caller keeps its
// old value, as an overflowing read leaves the variable unchanged).
std::optional<int16_t> ParseIntegerField(std::string_view line);
std::optional<int32_t> ParseLongField(std::string_view line);
// "True"/"False" in any letter case, blanks around ignored; nothing else.
std::optional<bool> ParseBooleanField(std::string_view line);
// String field of the platform's field input: leading blanks skipped, ends
// at a comma or the end of the line; a field beginning with a double quote
// runs to the next double quote. (Data files of this program read their
// string lines whole instead; this is for formats that really are fields.)
std::string ParseStringField(std::string_view line);

// ---- Lines ----------------------------------------------------------------
// Reads lines the way sequential line input does: CR LF or a lone CR ends a
// line (optionally a lone LF too); the terminator is not part of the line.
// A last line without terminator is still a line; data ending with a
// terminator has no extra empty line after it.
class LineReader {
 public:
  explicit LineReader(std::string_view data, bool lone_lf_ends_line = false)
      : data_(data), lf_(lone_lf_ends_line) {}
  bool AtEnd() const { return pos_ >= data_.size(); }
  // False at the end of the data (out is then left empty).
  bool ReadLine(std::string& out);

 private:
  std::string_view data_;
  size_t pos_ = 0;
  bool lf_;
};
std::vector<std::string> SplitLines(std::string_view data, bool lone_lf_ends_line = false);

// ---- Safe slicing (1-based like the language; never fails) ---------------
std::string Left(std::string_view s, long long n);
std::string Right(std::string_view s, long long n);
// Mid from 1-based position start; start < 1 counts as 1; length < 0 means
// "to the end".
std::string Mid(std::string_view s, long long start, long long length = -1);
// Blanks (spaces only) removed.
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string Trim(std::string_view s);
// ASCII letter case.
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// 1-based position of find in s from start, 0 when absent (InStr).
long long InStr(std::string_view s, std::string_view find, long long start = 1);

// ---- Files ----------------------------------------------------------------
// Whole file as bytes; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes data to a temporary file beside path and replaces path with it only
// when every byte was written; on failure path keeps its old content and the
// temporary file is removed. Returns success.
bool WriteFileAtomic(const std::string& path, std::string_view data);
bool FileExists(const std::string& path);

}  // namespace vorne::basic
