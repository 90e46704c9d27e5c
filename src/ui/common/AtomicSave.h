#pragma once

#include <QString>

#include <string>

// Writes bytes to a file through a temporary file beside it that is renamed
// over the target only when everything was written: a failed save leaves the
// earlier file as it was, leaves nothing behind and throws InOutError.
void SaveFileAtomically(const QString& path, const std::string& bytes);
