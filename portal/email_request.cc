#include "email_request.h"

#include <string.h>

#include <initializer_list>

#include "mail_draft.h"  // IsMailAddress

namespace {

// The value of `key` where it has the type `type`; null where there is
// none; `*wrong` where it has another.
GVariant* Lookup(GVariant* options, const char* key, const GVariantType* type, bool* wrong) {
  GVariant* value = g_variant_lookup_value(options, key, nullptr);
  if (value != nullptr && !g_variant_is_of_type(value, type)) {
    *wrong = true;
    g_variant_unref(value);
    return nullptr;
  }
  return value;
}

// Adds the addresses of `value` (s or as) as recipients of `kind`.
bool AddRecipients(GVariant* value, ULONG kind, EmailRequest* request, const char** error) {
  if (value == nullptr) return true;
  size_t count = 1;
  const char* single = nullptr;
  if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING))
    single = g_variant_get_string(value, nullptr);
  else
    count = g_variant_n_children(value);
  for (size_t i = 0; i < count; ++i) {
    const char* address = single;
    if (address == nullptr) g_variant_get_child(value, i, "&s", &address);
    if (!IsMailAddress(address)) return *error = "a recipient is not a mail address", false;
    if (request->message.nRecipCount == kEmailMaxRecipients) return *error = "too many recipients", false;
    MapiRecipDesc& recipient = request->recipients[request->message.nRecipCount++];
    recipient.ulRecipClass = kind;
    recipient.lpszAddress = const_cast<char*>(address);
  }
  return true;
}

bool IsText(const char* text) { return g_utf8_validate(text, -1, nullptr); }

}  // namespace

bool ReadEmailOptions(GVariant* options, EmailRequest* request, const char** error) {
  memset(request, 0, sizeof *request);
  *error = nullptr;
  if (options == nullptr || !g_variant_is_of_type(options, G_VARIANT_TYPE_VARDICT))
    return *error = "the options are not a{sv}", false;
  bool wrong = false;
  // g_variant_lookup_value gives values that share the options' data: the
  // strings stay where they are once each value is released.
  GVariant* address = Lookup(options, "address", G_VARIANT_TYPE_STRING, &wrong);
  GVariant* lists[3] = {Lookup(options, "addresses", G_VARIANT_TYPE_STRING_ARRAY, &wrong),
                        Lookup(options, "cc", G_VARIANT_TYPE_STRING_ARRAY, &wrong),
                        Lookup(options, "bcc", G_VARIANT_TYPE_STRING_ARRAY, &wrong)};
  GVariant* subject = Lookup(options, "subject", G_VARIANT_TYPE_STRING, &wrong);
  GVariant* body = Lookup(options, "body", G_VARIANT_TYPE_STRING, &wrong);
  GVariant* attachments = Lookup(options, "attachments", G_VARIANT_TYPE_STRING_ARRAY, &wrong);
  GVariant* token = Lookup(options, "activation_token", G_VARIANT_TYPE_STRING, &wrong);
  bool read = !wrong;
  if (!read) *error = "an option has another type";
  if (read) read = AddRecipients(address, MAPI_TO, request, error) &&
                   AddRecipients(lists[0], MAPI_TO, request, error) &&
                   AddRecipients(lists[1], MAPI_CC, request, error) &&
                   AddRecipients(lists[2], MAPI_BCC, request, error);
  if (read && subject != nullptr) {
    const char* text = g_variant_get_string(subject, nullptr);
    if (!IsText(text)) read = false, *error = "the subject is not UTF-8";
    request->message.lpszSubject = const_cast<char*>(text);
  }
  if (read && body != nullptr) {
    const char* text = g_variant_get_string(body, nullptr);
    if (!IsText(text)) read = false, *error = "the body is not UTF-8";
    request->message.lpszNoteText = const_cast<char*>(text);
  }
  size_t files = attachments != nullptr ? g_variant_n_children(attachments) : 0;
  if (read && files > kEmailMaxAttachments) read = false, *error = "too many attachments";
  for (size_t i = 0; read && i < files; ++i) {
    const char* path = nullptr;
    g_variant_get_child(attachments, i, "&s", &path);
    if (path[0] != '/') read = false, *error = "an attachment is not an absolute path";
    request->files[i].nPosition = static_cast<ULONG>(-1);
    request->files[i].lpszPathName = const_cast<char*>(path);
  }
  if (read) {
    request->message.nFileCount = static_cast<ULONG>(files);
    request->message.lpFiles = files > 0 ? request->files : nullptr;
    request->message.lpRecips = request->message.nRecipCount > 0 ? request->recipients : nullptr;
    if (token != nullptr) request->activation_token = g_variant_get_string(token, nullptr);
  }
  for (GVariant* value : {address, lists[0], lists[1], lists[2], subject, body, attachments, token})
    if (value != nullptr) g_variant_unref(value);
  return read;
}
