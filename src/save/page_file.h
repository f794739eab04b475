#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole content of the file at path. On failure returns false and puts
// the system's reason in *reason; an earlier file at path is then left as it was.
bool writePageFile(const QString &path, const QByteArray &bytes, QString *reason);
