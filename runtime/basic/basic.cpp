#include "runtime/basic/basic.h"
#include "runtime/text/ansi.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace vorne::basic {

const char* ErrorDescription(int number) {
  switch (number) {
    case kErrInvalidCall: return "Invalid procedure call or argument";
    case kErrOverflow: return "Overflow";
    case kErrTypeMismatch: return "Type mismatch";
    case kErrBadFileName: return "Bad file name or number";
    case kErrFileNotFound: return "File not found";
    case kErrInputPastEnd: return "Input past end of file";
    default: return "";
  }
}

Error::Error(int number) : std::runtime_error(ErrorDescription(number)), number_(number) {}

// ---- Integer conversion -------------------------------------------------

double RoundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  double f = std::floor(v);
  double diff = v - f;
  if (diff > 0.5) return f + 1.0;
  if (diff < 0.5) return f;
  // Exactly half way: the even neighbour.
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

namespace {

template <typename T>
bool RoundInto(double v, T& out) {
  if (std::isnan(v)) return false;
  double r = RoundHalfEven(v);
  if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
        r <= static_cast<double>(std::numeric_limits<T>::max())))
    return false;
  out = static_cast<T>(r);
  return true;
}

template <typename T>
T RoundSaturate(double v) {
  if (std::isnan(v)) return 0;
  double r = RoundHalfEven(v);
  if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(r);
}

}  // namespace

int16_t CInt(double v) {
  int16_t out;
  if (!RoundInto(v, out)) throw Error(kErrOverflow);
  return out;
}

int32_t CLng(double v) {
  int32_t out;
  if (!RoundInto(v, out)) throw Error(kErrOverflow);
  return out;
}

int16_t CIntSat(double v) { return RoundSaturate<int16_t>(v); }
int32_t CLngSat(double v) { return RoundSaturate<int32_t>(v); }

// ---- Numbers as text ------------------------------------------------------

namespace {

bool IsValBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

double ParseRadix(std::string_view s, size_t i, int radix) {
  // Digits after "&H" / "&O"; at most 32 bits, read as signed like the
  // language does for short and long literals.
  uint64_t v = 0;
  int digits = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (IsValBlank(c)) continue;
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (radix == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (radix == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    if (d >= radix) break;
    v = v * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) return 0;  // too long for any integer literal
    ++digits;
  }
  if (digits == 0) return 0;
  // Up to four hex digits (or an octal value of 16 bits) make a 16-bit literal.
  if (v <= 0xFFFF && (radix == 8 || digits <= 4))
    return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(v)));
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

}  // namespace

double Val(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsValBlank(s[i])) ++i;
  if (i + 1 < s.size() && s[i] == '&') {
    char p = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i + 1])));
    if (p == 'H') return ParseRadix(s, i + 2, 16);
    if (p == 'O') return ParseRadix(s, i + 2, 8);
  }
  // Collect the number's characters with the blanks removed.
  std::string t;
  size_t j = i;
  auto next = [&]() -> int {
    while (j < s.size() && IsValBlank(s[j])) ++j;
    return j < s.size() ? static_cast<unsigned char>(s[j]) : -1;
  };
  int c = next();
  if (c == '+' || c == '-') { t += static_cast<char>(c); ++j; c = next(); }
  bool digits = false;
  while (c >= '0' && c <= '9') { t += static_cast<char>(c); ++j; digits = true; c = next(); }
  if (c == '.') {
    t += '.'; ++j; c = next();
    while (c >= '0' && c <= '9') { t += static_cast<char>(c); ++j; digits = true; c = next(); }
  }
  if (!digits) return 0;
  if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
    size_t save = j;
    std::string e = "e";
    ++j; c = next();
    if (c == '+' || c == '-') { e += static_cast<char>(c); ++j; c = next(); }
    bool ed = false;
    while (c >= '0' && c <= '9') {
      if (e.size() < 8) e += static_cast<char>(c);
      ++j; ed = true; c = next();
    }
    if (ed) t += e; else j = save;
  }
  return std::strtod(t.c_str(), nullptr);
}

namespace {

std::string FormatSignificant(double v, int digits) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
  if (v == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*G", digits, v);
  std::string s = buf;
  std::string mant = s, exp;
  size_t e = s.find('E');
  if (e != std::string::npos) { mant = s.substr(0, e); exp = s.substr(e); }
  // Trailing zeros of the fraction go (%G keeps none, but be safe).
  if (mant.find('.') != std::string::npos) {
    while (!mant.empty() && mant.back() == '0') mant.pop_back();
    if (!mant.empty() && mant.back() == '.') mant.pop_back();
  }
  // No leading zero before the decimal point: ".5", "-.5".
  if (mant.rfind("0.", 0) == 0) mant.erase(0, 1);
  else if (mant.rfind("-0.", 0) == 0) mant.erase(1, 1);
  if (!exp.empty()) {
    // Exponent as E+dd with at least two digits.
    char sign = exp.size() > 1 && (exp[1] == '-' || exp[1] == '+') ? exp[1] : '+';
    std::string num = exp.substr(exp.size() > 1 && (exp[1] == '-' || exp[1] == '+') ? 2 : 1);
    while (num.size() > 2 && num[0] == '0') num.erase(0, 1);
    while (num.size() < 2) num.insert(0, "0");
    exp = std::string("E") + sign + num;
  }
  return mant + exp;
}

std::string WithSignSpace(std::string s) {
  if (!s.empty() && s[0] == '-') return s;
  return " " + s;
}

}  // namespace

std::string Str(double v) { return WithSignSpace(FormatSignificant(v, 15)); }
std::string StrSingle(float v) { return WithSignSpace(FormatSignificant(static_cast<double>(v), 7)); }
std::string CStr(double v) { return FormatSignificant(v, 15); }

std::string PrintNumber(double v) { return Str(v) + " "; }
std::string PrintSingle(float v) { return StrSingle(v) + " "; }
std::string PrintBoolean(bool b) { return b ? "True" : "False"; }

// ---- Reading fields back --------------------------------------------------

std::optional<double> ParseNumberField(std::string_view line) {
  size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  size_t end = i;
  while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
  std::string t(line.substr(i, end - i));
  if (t.empty()) return std::nullopt;
  // One decimal comma stands for the point when no point is present.
  size_t comma = t.find(',');
  if (comma != std::string::npos) {
    if (t.find(',', comma + 1) != std::string::npos || t.find('.') != std::string::npos)
      return std::nullopt;
    t[comma] = '.';
  }
  // The whole field must be a plain decimal number.
  size_t k = 0;
  if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
  bool digits = false;
  while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) { ++k; digits = true; }
  if (k < t.size() && t[k] == '.') {
    ++k;
    while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) { ++k; digits = true; }
  }
  if (!digits) return std::nullopt;
  if (k < t.size() && (t[k] == 'E' || t[k] == 'e' || t[k] == 'D' || t[k] == 'd')) {
    t[k] = 'E';
    ++k;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    bool ed = false;
    while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) { ++k; ed = true; }
    if (!ed) return std::nullopt;
  }
  if (k != t.size()) return std::nullopt;
  double v = std::strtod(t.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int16_t> ParseIntegerField(std::string_view line) {
  auto v = ParseNumberField(line);
  int16_t out;
  if (!v || !RoundInto(*v, out)) return std::nullopt;
  return out;
}

std::optional<int32_t> ParseLongField(std::string_view line) {
  auto v = ParseNumberField(line);
  int32_t out;
  if (!v || !RoundInto(*v, out)) return std::nullopt;
  return out;
}

std::optional<bool> ParseBooleanField(std::string_view line) {
  std::string u = UCase(Trim(line));
  if (u == "TRUE") return true;
  if (u == "FALSE") return false;
  return std::nullopt;
}

std::string ParseStringField(std::string_view line) {
  size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  if (i < line.size() && line[i] == '"') {
    size_t close = line.find('"', i + 1);
    if (close == std::string_view::npos) return std::string(line.substr(i + 1));
    return std::string(line.substr(i + 1, close - i - 1));
  }
  size_t comma = line.find(',', i);
  std::string_view f = line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i);
  return RTrim(f);
}

// ---- Lines ----------------------------------------------------------------

bool LineReader::ReadLine(std::string& out) {
  out.clear();
  if (pos_ >= data_.size()) return false;
  size_t i = pos_;
  while (i < data_.size() && data_[i] != '\r' && !(lf_ && data_[i] == '\n')) ++i;
  out.assign(data_.substr(pos_, i - pos_));
  if (i < data_.size()) {
    if (data_[i] == '\r' && i + 1 < data_.size() && data_[i + 1] == '\n') i += 2;
    else ++i;
  }
  pos_ = i;
  return true;
}

std::vector<std::string> SplitLines(std::string_view data, bool lone_lf_ends_line) {
  std::vector<std::string> lines;
  LineReader r(data, lone_lf_ends_line);
  std::string line;
  while (r.ReadLine(line)) lines.push_back(line);
  return lines;
}

// ---- Safe slicing ----------------------------------------------------------

std::string Left(std::string_view s, long long n) {
  if (n <= 0) return std::string();
  return std::string(s.substr(0, static_cast<size_t>(std::min<long long>(n, static_cast<long long>(s.size())))));
}

std::string Right(std::string_view s, long long n) {
  if (n <= 0) return std::string();
  size_t k = static_cast<size_t>(std::min<long long>(n, static_cast<long long>(s.size())));
  return std::string(s.substr(s.size() - k));
}

std::string Mid(std::string_view s, long long start, long long length) {
  if (start < 1) start = 1;
  if (static_cast<unsigned long long>(start) > s.size()) return std::string();
  size_t from = static_cast<size_t>(start - 1);
  if (length < 0) return std::string(s.substr(from));
  return std::string(s.substr(from, static_cast<size_t>(std::min<long long>(length, static_cast<long long>(s.size() - from)))));
}

std::string LTrim(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string UCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string LCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

long long InStr(std::string_view s, std::string_view find, long long start) {
  if (start < 1) start = 1;
  if (static_cast<unsigned long long>(start - 1) > s.size()) return 0;
  size_t p = s.find(find, static_cast<size_t>(start - 1));
  return p == std::string_view::npos ? 0 : static_cast<long long>(p) + 1;
}

// ---- Files ----------------------------------------------------------------

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::FILE* f = vorne::text::OpenFile(path, "rb");
  if (!f) return std::nullopt;
  std::string data;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return data;
}

bool WriteFileAtomic(const std::string& path, std::string_view data) {
  const std::string temp = path + ".tmp";
  std::FILE* f = vorne::text::OpenFile(temp, "wb");
  if (!f) return false;
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok) ok = vorne::text::ReplaceFileWith(temp, path);
  if (!ok) vorne::text::RemoveFile(temp);
  return ok;
}

bool FileExists(const std::string& path) { return vorne::text::FileExists(path); }

}  // namespace vorne::basic
