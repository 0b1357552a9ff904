#include "mail_address.h"

#include <wchar.h>

#include "mail_draft.h"  // IsMailAddress

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Whether [begin, end) begins with "SMTP:" in any case.
bool StartsWithSmtp(const wchar_t* begin, const wchar_t* end) {
  const char kSmtp[] = "smtp:";
  for (size_t i = 0; i < 5; ++i) {
    if (begin + i == end) return false;
    wchar_t c = begin[i] >= L'A' && begin[i] <= L'Z' ? begin[i] - L'A' + L'a' : begin[i];
    if (c != static_cast<wchar_t>(kSmtp[i])) return false;
  }
  return true;
}

// Moves `*begin` and `*end` past the blanks at either end.
void Trim(const wchar_t** begin, const wchar_t** end) {
  while (*begin < *end && IsBlank(**begin)) ++*begin;
  while (*end > *begin && IsBlank((*end)[-1])) --*end;
}

// The last `open` in [begin, end), or null.
const wchar_t* FindLast(const wchar_t* begin, const wchar_t* end, wchar_t open) {
  for (const wchar_t* c = end; c > begin; --c) {
    if (c[-1] == open) return c - 1;
  }
  return nullptr;
}

// Writes the address in [begin, end), after any "SMTP:", into `address`;
// false where it is not one.
bool TakeAddress(const wchar_t* begin, const wchar_t* end, char (&address)[kMailAddressCapacity]) {
  Trim(&begin, &end);
  while (StartsWithSmtp(begin, end)) {
    begin += 5;
    Trim(&begin, &end);
  }
  if (static_cast<size_t>(end - begin) >= kMailAddressCapacity) return false;
  size_t length = 0;
  for (const wchar_t* c = begin; c < end; ++c) {
    if (*c <= 0 || *c > 0x7E) return false;
    address[length++] = static_cast<char>(*c);
  }
  address[length] = '\0';
  return IsMailAddress(address);
}

}  // namespace

bool FindMailAddress(const wchar_t* text, FoundAddress* found) {
  found->name = nullptr;
  found->name_length = 0;
  if (text == nullptr) return false;
  const wchar_t *begin = text, *end = text + wcslen(text);
  Trim(&begin, &end);
  // "Name <address>" and "Name[SMTP:address]": the address in the last
  // brackets, which end the text.
  const wchar_t* open = nullptr;
  if (end > begin && (end[-1] == L'>' || end[-1] == L']'))
    open = FindLast(begin, end - 1, end[-1] == L'>' ? L'<' : L'[');
  if (open == nullptr) return TakeAddress(begin, end, found->address);
  if (!TakeAddress(open + 1, end - 1, found->address)) return false;
  const wchar_t* name_end = open;
  Trim(&begin, &name_end);
  if (name_end - begin >= 2 && *begin == L'"' && name_end[-1] == L'"') {
    ++begin;
    --name_end;
  }
  if (name_end > begin) {
    found->name = begin;
    found->name_length = static_cast<size_t>(name_end - begin);
  }
  return true;
}
