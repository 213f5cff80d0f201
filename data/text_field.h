// Fixed text fields of the files: read bounded by their field, so a missing terminator
// never reads past it.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

// Ends the field at its last byte at the latest; a text that fills it loses that byte.
template <size_t N>
void TerminateField(char (&field)[N]) {
    field[N - 1] = '\0';
}
template <size_t N, size_t M>
void TerminateField(char (&fields)[M][N]) {
    for (auto& f : fields) TerminateField(f);
}
template <size_t N, size_t M, size_t L>
void TerminateField(char (&fields)[L][M][N]) {
    for (auto& f : fields) TerminateField(f);
}

// Copies a text into a field, cut to fit and always terminated.
template <size_t N>
void SetFieldText(char (&field)[N], std::string_view text) {
    const size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, N - n);
}
