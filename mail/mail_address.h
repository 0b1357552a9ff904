// The mail address in a recipient's text, in the forms programs write it.
#ifndef POSTLARK_MAIL_MAIL_ADDRESS_H_
#define POSTLARK_MAIL_MAIL_ADDRESS_H_

#include <stddef.h>

/// Room for an address (IsMailAddress) and its zero.
const size_t kMailAddressCapacity = 255;

/// What a recipient's text holds: its address in ASCII, and where the
/// name beside the address stands in the text (null where there is none).
struct FoundAddress {
  char address[kMailAddressCapacity];
  const wchar_t* name;
  size_t name_length;
};

/// Finds the one address in `text` (null for none), written as programs
/// write it: the address alone; after "SMTP:", in any case and any number
/// of times; "Name <address>"; or "Name[SMTP:address]". The name leaves out
/// the blanks around it and the double quotes that enclose it. False where
/// `text` holds no address, or more than one.
bool FindMailAddress(const wchar_t* text, FoundAddress* found);

#endif  // POSTLARK_MAIL_MAIL_ADDRESS_H_
