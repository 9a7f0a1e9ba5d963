#include "common/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace hb {

QString QtFileDialogs::openFile(const QString& caption, const QString& folder,
                                const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent ? m_parent : QApplication::activeWindow(), caption,
                                        folder, filter);
}

QString QtFileDialogs::saveFile(const QString& caption, const QString& folder,
                                const QString& filter)
{
    // The callers ask their own overwrite question where one is wanted.
    return QFileDialog::getSaveFileName(m_parent ? m_parent : QApplication::activeWindow(), caption,
                                        folder, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialogs::chooseFolder(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(m_parent ? m_parent : QApplication::activeWindow(),
                                             caption, folder);
}

} // namespace hb
