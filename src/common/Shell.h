#pragma once

#include <QString>
#include <QStringList>

namespace hb {

// Opening documents with the desktop's program and starting other programs.
class Shell
{
public:
    virtual ~Shell() = default;
    // Opens a file or URL with its associated program; false when nothing could open it.
    virtual bool openDocument(const QString& path) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments = {}) = 0;
};

class DesktopShell : public Shell
{
public:
    bool openDocument(const QString& path) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
};

} // namespace hb
