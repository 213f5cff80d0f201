// The text files the audits and dumps leave for the author.
#pragma once

#include <string>

// The whole text, or nothing (the file as it was): 1 when written.
bool WriteReportFile(const char* path, const std::string& text);
// "'<file>' could" / "not be written!".
void ShowReportNotWritten(const char* path);
