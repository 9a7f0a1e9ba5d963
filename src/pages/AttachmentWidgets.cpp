#include "pages/AttachmentWidgets.h"

#include "common/AppContext.h"
#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/RecordSet.h"
#include "pages/Attachments.h"
#include "pages/CommandGuard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace hb {

namespace AttachmentText {
const QString NoFolder = QStringLiteral(
    "You have not set the path to save the pictures and documents to!\r\n\r\n"
    "Use the menu \"Options.. Preferences\" and then click the \"Set Pic/Doc Dir\" button before "
    "trying to save a picture or document.");
const QString CannotLoadPicture =
    QStringLiteral("Unable to load picture!  Make sure it is still in the same location!");
const QString SamePicture =
    QStringLiteral("Another record has already been linked to a picture with this SAME name "
                   "(See Pic!)!  Do you want to link this record to that picture also?");
const QString SameDocument =
    QStringLiteral("Another record has already been linked to a document with this SAME name!  "
                   "Do you want to link this record to that document also?");
const QString DeletePicture =
    QStringLiteral("Do you want to delete this picture from your picture directory?");
const QString DeletePictureAlso = QStringLiteral("Do you want to delete the picture also?");
const QString DeleteDocumentAlso =
    QStringLiteral("Do you want to delete the document file also?\r\n\r\n"
                   "!!Note: This is not normally done, be sure you intend to do this!!");
const QString CouldNotLoad = QStringLiteral("Could not load picture at ");
const QString NotOpened = QStringLiteral("Unable to open the file!");
const QString PictureFilter =
    QStringLiteral("All (*.jpg *.jpeg *.png *.bmp *.JPG *.JPEG *.PNG *.BMP);;"
                   "JPEG Image File (*.jpg *.jpeg *.JPG *.JPEG);;PNG Image File (*.png *.PNG);;"
                   "Bitmaps (*.bmp *.BMP)");
const QString DocumentFilter =
    QStringLiteral("All (*.txt *.doc *.pdf *.TXT *.DOC *.PDF);;Notepad text file  (*.txt *.TXT);;"
                   "Word document file (*.doc *.DOC);;Adobe Acrobat Reader file (*.pdf *.PDF)");
} // namespace AttachmentText

namespace {

const QSize ThumbSize(160, 120);

QPushButton* makeButton(const char* caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(b->text());
    return b;
}

bool rowEditing(const RecordSet& set)
{
    return set.state() == RecordSet::State::Insert || set.state() == RecordSet::State::Edit;
}

// Opens a document of the folder with the desktop's program, after checking it is one.
void openInFolder(AppContext& app, const QString& name)
{
    const QString path = attachmentPath(attachmentFolder(app.settings), name);
    QString why;
    if (path.isEmpty())
        why = QStringLiteral("not a file of the picture and document folder");
    else if (!QFileInfo::exists(path))
        why = QStringLiteral("the file is gone");
    else
        why = refusalToOpen(path);
    if (why.isEmpty() && !app.shell.openDocument(path))
        why = QStringLiteral("no program opens it");
    if (!why.isEmpty())
        app.messages.error(AttachmentText::NotOpened + QLatin1String("\r\n") + name +
                           QLatin1String(": ") + why);
}

// The chosen file's name, or empty after a message when it cannot be a name in the folder.
QString nameOf(AppContext& app, const QString& chosen)
{
    const QString name = QFileInfo(chosen).fileName();
    if (!isPlainFileName(name)) {
        app.messages.error(AttachmentText::NotOpened + QLatin1String("\r\n") + name);
        return {};
    }
    return name;
}

} // namespace

// --- PictureWindow ---------------------------------------------------------------------------

PictureWindow::PictureWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PicForm"));
    setWindowTitle(QStringLiteral("Picture"));
    auto* layout = new QVBoxLayout(this);
    m_picture = new QLabel;
    m_picture->setAccessibleName(QStringLiteral("Picture"));
    m_picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_picture);
    connect(this, &QDialog::finished, this, [this] { m_picture->clear(); });
}

bool PictureWindow::showPicture(const QString& path)
{
    QSize bound(1600, 1200);
    if (const QScreen* screen = QApplication::primaryScreen())
        bound = bound.boundedTo(screen->availableSize() * 0.9);
    const QImage image = readPicture(path, bound);
    if (image.isNull())
        return false;
    m_picture->setPixmap(QPixmap::fromImage(image));
    return true;
}

// --- Thumbnail -------------------------------------------------------------------------------

Thumbnail::Thumbnail(const QString& caption, QWidget* parent) : QLabel(parent)
{
    setAccessibleName(caption);
    setFixedSize(ThumbSize);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
}

bool Thumbnail::showFile(const QString& path)
{
    m_path = path;
    if (path.isEmpty()) {
        clear();
        return true;
    }
    const QImage image = ThumbnailCache::shared().thumbnail(path, ThumbSize);
    if (image.isNull()) {
        clear();
        return false;
    }
    setPixmap(QPixmap::fromImage(image));
    return true;
}

void Thumbnail::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

// --- PendingRemovals -------------------------------------------------------------------------

PendingRemovals::PendingRemovals(AppContext& app, RecordSet& set, QObject* parent)
    : QObject(parent), m_app(app)
{
    connect(&set, &RecordSet::posted, this, &PendingRemovals::rowSaved);
    connect(&set, &RecordSet::cancelled, this, [this] { m_names.clear(); });
}

void PendingRemovals::add(const QString& name)
{
    if (!m_names.contains(name))
        m_names << name;
}

void PendingRemovals::rowSaved()
{
    const QStringList names = std::exchange(m_names, {});
    if (names.isEmpty() || !m_app.log)
        return;
    const QString folder = attachmentFolder(m_app.settings);
    for (const QString& name : names) {
        const QString path = attachmentPath(folder, name);
        // Another row may use the same file: it stays for that row.
        if (path.isEmpty() || !QFileInfo(path).isFile() || attachmentUses(*m_app.log, name) > 0)
            continue;
        if (!QFile::remove(path))
            m_app.messages.show(Messages::Kind::Error, QStringLiteral("Unable to delete the file!"),
                                Messages::Buttons::Ok, QStringLiteral("Delete File Error"));
    }
}

// --- AttachmentDialog ------------------------------------------------------------------------

AttachmentDialog::AttachmentDialog(AppContext& app, RecordSet& set, AttachmentColumns columns,
                                   PendingRemovals& removals, QWidget* parent)
    : QDialog(parent), m_app(app), m_set(set), m_columns(std::move(columns)), m_removals(removals)
{
    setObjectName(QStringLiteral("DocPicForm"));
    setWindowTitle(QStringLiteral("Documents & Pictures"));
    auto* layout = new QVBoxLayout(this);
    auto* picGroup = new QGroupBox(QStringLiteral("Picture"));
    auto* picLayout = new QVBoxLayout(picGroup);
    m_picture = new QLabel;
    m_picture->setAccessibleName(QStringLiteral("Picture"));
    m_picture->setMinimumSize(320, 240);
    m_picture->setAlignment(Qt::AlignCenter);
    picLayout->addWidget(m_picture);
    auto* picButtons = new QHBoxLayout;
    auto* load = makeButton("Load New", "LoadPicBtn", this);
    auto* clearPic = makeButton("Clear Pic", "ClearPicBtn", this);
    picButtons->addWidget(load);
    picButtons->addWidget(clearPic);
    picLayout->addLayout(picButtons);
    layout->addWidget(picGroup);

    auto* fileGroup = new QGroupBox(QStringLiteral("File"));
    auto* fileLayout = new QHBoxLayout(fileGroup);
    m_docName = new QLabel;
    m_docName->setAccessibleName(QStringLiteral("Document"));
    auto* newFile = makeButton("New", "NewFileBtn", this);
    auto* clearFile = makeButton("Clear File", "ClearFileBtn", this);
    auto* display = makeButton("Display", "DisplayBtn", this);
    fileLayout->addWidget(m_docName, 1);
    fileLayout->addWidget(newFile);
    fileLayout->addWidget(clearFile);
    fileLayout->addWidget(display);
    layout->addWidget(fileGroup);
    auto* close = makeButton("Close", "CloseBtn", this);
    layout->addWidget(close, 0, Qt::AlignRight);

    auto guarded = [this](void (AttachmentDialog::*f)()) {
        return [this, f] { runCommand(m_app.messages, [this, f] { (this->*f)(); }); };
    };
    connect(load, &QPushButton::clicked, this, guarded(&AttachmentDialog::LoadPicClick));
    connect(clearPic, &QPushButton::clicked, this, guarded(&AttachmentDialog::ClearPicClick));
    connect(newFile, &QPushButton::clicked, this, guarded(&AttachmentDialog::NewFileClick));
    connect(clearFile, &QPushButton::clicked, this, guarded(&AttachmentDialog::ClearFileClick));
    connect(display, &QPushButton::clicked, this, guarded(&AttachmentDialog::DisplayClick));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    const bool edit = editing();
    load->setEnabled(edit);
    clearPic->setEnabled(edit);
    const bool hasDoc = !m_columns.document.isEmpty();
    newFile->setEnabled(hasDoc && edit);
    clearFile->setEnabled(hasDoc && edit);
    showRowPicture(true);
    showDocument();
}

QPushButton* AttachmentDialog::button(const char* name) const
{
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

bool AttachmentDialog::editing() const
{
    return rowEditing(m_set);
}

QString AttachmentDialog::folderOrMessage()
{
    const QString folder = attachmentFolder(m_app.settings);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        m_app.messages.error(AttachmentText::NoFolder);
        return {};
    }
    return folder;
}

void AttachmentDialog::showRowPicture(bool reportFailure)
{
    m_picture->clear();
    const QString name = m_set.text(m_columns.picture);
    if (name.isEmpty())
        return;
    const QString path = attachmentPath(attachmentFolder(m_app.settings), name);
    const QImage image = path.isEmpty() ? QImage() : readPicture(path, QSize(640, 480));
    if (image.isNull()) {
        if (reportFailure)
            m_app.messages.error(AttachmentText::CannotLoadPicture);
        return;
    }
    m_picture->setPixmap(QPixmap::fromImage(image));
}

void AttachmentDialog::showDocument()
{
    const QString name = m_columns.document.isEmpty() ? QString() : m_set.text(m_columns.document);
    m_docName->setText(name);
    button("DisplayBtn")->setEnabled(!name.isEmpty());
}

void AttachmentDialog::LoadPicClick()
{
    if (!editing())
        return;
    const QString folder = folderOrMessage();
    if (folder.isEmpty())
        return;
    const QString chosen = m_app.fileDialogs.openFile(
        QStringLiteral("Load Picture"), QDir::homePath(), AttachmentText::PictureFilter);
    if (chosen.isEmpty())
        return;
    const QString name = nameOf(m_app, chosen);
    if (name.isEmpty())
        return;
    const QString target = attachmentPath(folder, name);
    if (target.isEmpty())
        return m_app.messages.error(AttachmentText::NotOpened + QLatin1String("\r\n") + name);
    if (QFileInfo::exists(target)) {
        // Cameras reuse names: show the file already there before linking to it.
        const QImage there = readPicture(target, QSize(640, 480));
        m_picture->setPixmap(QPixmap::fromImage(there));
        if (m_app.messages.show(Messages::Kind::Warning, AttachmentText::SamePicture,
                                Messages::Buttons::YesNo) == Messages::Answer::Yes)
            m_set.setValue(m_columns.picture, name);
        showRowPicture(false);
        return;
    }
    if (const QString error = copyIntoFolder(chosen, folder, name); !error.isEmpty())
        return m_app.messages.error(error);
    m_set.setValue(m_columns.picture, name);
    showRowPicture(true);
}

void AttachmentDialog::ClearPicClick()
{
    if (!editing())
        return;
    const QString name = m_set.text(m_columns.picture);
    if (!name.isEmpty() &&
        m_app.messages.show(Messages::Kind::Confirmation, AttachmentText::DeletePicture,
                            Messages::Buttons::YesNo) == Messages::Answer::Yes)
        m_removals.add(name); // once the row is saved, and only when no row uses it
    m_set.setNull(m_columns.picture);
    m_picture->clear();
}

void AttachmentDialog::NewFileClick()
{
    if (!editing() || m_columns.document.isEmpty())
        return;
    const QString folder = folderOrMessage();
    if (folder.isEmpty())
        return;
    const QString chosen = m_app.fileDialogs.openFile(
        QStringLiteral("Load Document"), QDir::homePath(), AttachmentText::DocumentFilter);
    if (chosen.isEmpty()) {
        m_docName->clear();
        button("DisplayBtn")->setEnabled(false);
        return;
    }
    const QString name = nameOf(m_app, chosen);
    if (name.isEmpty())
        return;
    const QString target = attachmentPath(folder, name);
    if (target.isEmpty())
        return m_app.messages.error(AttachmentText::NotOpened + QLatin1String("\r\n") + name);
    m_docName->setText(name);
    if (QFileInfo::exists(target)) {
        if (m_app.messages.show(Messages::Kind::Warning, AttachmentText::SameDocument,
                                Messages::Buttons::YesNo) == Messages::Answer::Yes)
            m_set.setValue(m_columns.document, name);
        showDocument();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = copyIntoFolder(chosen, folder, name);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        showDocument();
        return m_app.messages.error(error);
    }
    m_set.setValue(m_columns.document, name);
    showDocument();
}

void AttachmentDialog::ClearFileClick()
{
    if (!editing() || m_columns.document.isEmpty())
        return;
    m_set.setNull(m_columns.document);
    showDocument();
}

void AttachmentDialog::DisplayClick()
{
    if (m_columns.document.isEmpty())
        return;
    const QString name = m_set.text(m_columns.document);
    if (!name.isEmpty())
        openInFolder(m_app, name);
}

// --- AttachmentListDialog --------------------------------------------------------------------

AttachmentListDialog::AttachmentListDialog(AppContext& app, RecordSet& set,
                                           PendingRemovals& removals, QWidget* parent)
    : QDialog(parent), m_app(app), m_set(set), m_removals(removals)
{
    setObjectName(QStringLiteral("MaintPicForm"));
    setWindowTitle(QStringLiteral("Maintenance Pics & Docs"));
    auto* layout = new QGridLayout(this);
    m_pics = new QListWidget;
    m_pics->setObjectName(QStringLiteral("PicList"));
    m_docs = new QListWidget;
    m_docs->setObjectName(QStringLiteral("DocList"));
    m_selected = new QLabel;
    m_selected->setFixedSize(320, 240);
    m_selected->setAlignment(Qt::AlignCenter);
    auto caption = [](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text));
        l->setBuddy(buddy);
        buddy->setAccessibleName(l->text());
        return l;
    };
    layout->addWidget(caption("Pictures Associated with this Maintenance", m_pics), 0, 0);
    layout->addWidget(m_pics, 1, 0);
    layout->addWidget(caption("Selected Picture", m_selected), 0, 1);
    layout->addWidget(m_selected, 1, 1);
    auto* picButtons = new QHBoxLayout;
    auto* loadPic = makeButton("Load Pic", "LoadPicBtn", this);
    auto* delPic = makeButton("Delete Pic", "DelPicBtn", this);
    auto* showPic = makeButton("Show Pic", "ShowPicBtn", this);
    auto* up = makeButton("Up", "PicUpBtn", this);
    up->setToolTip(QStringLiteral("Move Selected Pic Up"));
    up->setAccessibleName(up->toolTip());
    auto* down = makeButton("Down", "PicDownBtn", this);
    down->setToolTip(QStringLiteral("Move Selected Pic Down"));
    down->setAccessibleName(down->toolTip());
    for (QPushButton* b : {loadPic, delPic, showPic, up, down})
        picButtons->addWidget(b);
    layout->addLayout(picButtons, 2, 0, 1, 2);
    layout->addWidget(caption("Files Associated with this Maintenance", m_docs), 3, 0);
    layout->addWidget(m_docs, 4, 0, 1, 2);
    auto* fileButtons = new QHBoxLayout;
    auto* loadFile = makeButton("Load File", "LoadFileBtn", this);
    auto* delFile = makeButton("Delete File", "DelFileBtn", this);
    auto* display = makeButton("Display File", "DisplayFileBtn", this);
    auto* close = makeButton("Close", "CloseBtn", this);
    for (QPushButton* b : {loadFile, delFile, display, close})
        fileButtons->addWidget(b);
    layout->addLayout(fileButtons, 5, 0, 1, 2);

    auto guarded = [this](auto f) {
        return [this, f] { runCommand(m_app.messages, [this, f] { f(); }); };
    };
    connect(loadPic, &QPushButton::clicked, this, guarded([this] { LoadPicClick(); }));
    connect(delPic, &QPushButton::clicked, this, guarded([this] { DeletePicClick(); }));
    connect(showPic, &QPushButton::clicked, this, guarded([this] { ShowPicClick(); }));
    connect(up, &QPushButton::clicked, this, guarded([this] { MovePic(-1); }));
    connect(down, &QPushButton::clicked, this, guarded([this] { MovePic(1); }));
    connect(loadFile, &QPushButton::clicked, this, guarded([this] { LoadFileClick(); }));
    connect(delFile, &QPushButton::clicked, this, guarded([this] { DeleteFileClick(); }));
    connect(display, &QPushButton::clicked, this, guarded([this] { DisplayFileClick(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pics, &QListWidget::currentRowChanged, this, [this] { showSelectedPicture(true); });

    const bool edit = editing();
    for (QPushButton* b : {loadPic, delPic, up, down, loadFile, delFile})
        b->setEnabled(edit);

    const bool blocked = m_pics->blockSignals(true);
    m_pics->addItems(attachmentList(m_set.text(QStringLiteral("Pics"))));
    m_pics->setCurrentRow(m_pics->count() ? 0 : -1);
    m_pics->blockSignals(blocked);
    m_docs->addItems(attachmentList(m_set.text(QStringLiteral("Docs"))));
    m_docs->setCurrentRow(m_docs->count() ? 0 : -1);
    if (m_pics->count()) {
        const QString folder = attachmentFolder(m_app.settings);
        const QString path = attachmentPath(folder, m_pics->item(0)->text());
        const QImage image = path.isEmpty() ? QImage() : readPicture(path, m_selected->size());
        if (image.isNull())
            m_app.messages.error(AttachmentText::CouldNotLoad + folder);
        else
            m_selected->setPixmap(QPixmap::fromImage(image));
    }
}

bool AttachmentListDialog::editing() const
{
    return rowEditing(m_set);
}

QString AttachmentListDialog::folderOrMessage()
{
    const QString folder = attachmentFolder(m_app.settings);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        m_app.messages.error(AttachmentText::NoFolder);
        return {};
    }
    return folder;
}

void AttachmentListDialog::store(const QString& column, QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    if (names.isEmpty())
        m_set.setNull(column);
    else
        m_set.setValue(column, attachmentListText(names));
}

void AttachmentListDialog::showSelectedPicture(bool reportFailure)
{
    m_selected->clear();
    const QListWidgetItem* item = m_pics->currentItem();
    if (!item)
        return;
    const QString folder = attachmentFolder(m_app.settings);
    const QString path = attachmentPath(folder, item->text());
    const QImage image = path.isEmpty() ? QImage() : readPicture(path, m_selected->size());
    if (image.isNull()) {
        if (reportFailure)
            m_app.messages.error(AttachmentText::CouldNotLoad +
                                 (path.isEmpty() ? item->text() : path));
        return;
    }
    m_selected->setPixmap(QPixmap::fromImage(image));
}

void AttachmentListDialog::LoadPicClick()
{
    if (!editing())
        return;
    const QString folder = folderOrMessage();
    if (folder.isEmpty())
        return;
    const QString chosen = m_app.fileDialogs.openFile(
        QStringLiteral("Load Picture"), QDir::homePath(), AttachmentText::PictureFilter);
    if (chosen.isEmpty())
        return;
    const QString name = nameOf(m_app, chosen);
    if (name.isEmpty())
        return;
    const QString target = attachmentPath(folder, name);
    if (target.isEmpty())
        return m_app.messages.error(AttachmentText::NotOpened + QLatin1String("\r\n") + name);
    if (QFileInfo::exists(target)) {
        if (m_app.messages.show(Messages::Kind::Warning, AttachmentText::SamePicture,
                                Messages::Buttons::YesNo) != Messages::Answer::Yes)
            return;
    } else if (const QString error = storeFittedPicture(chosen, folder, name); !error.isEmpty()) {
        return m_app.messages.error(error);
    }
    m_pics->addItem(name);
    store(QStringLiteral("Pics"), m_pics);
    m_pics->setCurrentRow(m_pics->count() - 1);
}

void AttachmentListDialog::DeletePicClick()
{
    if (!editing() || !m_pics->currentItem())
        return;
    const QString name = m_pics->currentItem()->text();
    delete m_pics->takeItem(m_pics->currentRow());
    store(QStringLiteral("Pics"), m_pics);
    m_pics->setCurrentRow(m_pics->count() ? 0 : -1);
    showSelectedPicture(false);
    if (m_app.messages.show(Messages::Kind::Confirmation, AttachmentText::DeletePictureAlso,
                            Messages::Buttons::YesNo) == Messages::Answer::Yes)
        m_removals.add(name);
}

void AttachmentListDialog::ShowPicClick()
{
    const QListWidgetItem* item = m_pics->currentItem();
    if (!item)
        return;
    const QString path = attachmentPath(attachmentFolder(m_app.settings), item->text());
    auto* window = new PictureWindow(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (path.isEmpty() || !window->showPicture(path)) {
        delete window;
        return m_app.messages.error(AttachmentText::CouldNotLoad +
                                    (path.isEmpty() ? item->text() : path));
    }
    window->open();
}

void AttachmentListDialog::MovePic(int step)
{
    if (!editing())
        return;
    const int from = m_pics->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_pics->count())
        return;
    QListWidgetItem* item = m_pics->takeItem(from);
    m_pics->insertItem(to, item);
    m_pics->setCurrentRow(to);
    store(QStringLiteral("Pics"), m_pics);
}

void AttachmentListDialog::LoadFileClick()
{
    if (!editing())
        return;
    const QString folder = folderOrMessage();
    if (folder.isEmpty())
        return;
    const QString chosen = m_app.fileDialogs.openFile(
        QStringLiteral("Load Document"), QDir::homePath(), AttachmentText::DocumentFilter);
    if (chosen.isEmpty())
        return;
    const QString name = nameOf(m_app, chosen);
    if (name.isEmpty())
        return;
    const QString target = attachmentPath(folder, name);
    if (target.isEmpty())
        return m_app.messages.error(AttachmentText::NotOpened + QLatin1String("\r\n") + name);
    if (QFileInfo::exists(target)) {
        if (m_app.messages.show(Messages::Kind::Warning, AttachmentText::SameDocument,
                                Messages::Buttons::YesNo) != Messages::Answer::Yes)
            return;
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString error = copyIntoFolder(chosen, folder, name);
        QApplication::restoreOverrideCursor();
        if (!error.isEmpty())
            return m_app.messages.error(error);
    }
    m_docs->addItem(name);
    store(QStringLiteral("Docs"), m_docs);
    m_docs->setCurrentRow(m_docs->count() - 1);
}

void AttachmentListDialog::DeleteFileClick()
{
    if (!editing() || !m_docs->currentItem())
        return;
    const QString name = m_docs->currentItem()->text();
    // The line goes even when its file is already gone.
    delete m_docs->takeItem(m_docs->currentRow());
    store(QStringLiteral("Docs"), m_docs);
    m_docs->setCurrentRow(m_docs->count() ? 0 : -1);
    const QString path = attachmentPath(attachmentFolder(m_app.settings), name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (m_app.messages.show(Messages::Kind::Warning, AttachmentText::DeleteDocumentAlso,
                            Messages::Buttons::YesNo) == Messages::Answer::Yes)
        m_removals.add(name);
}

void AttachmentListDialog::DisplayFileClick()
{
    if (const QListWidgetItem* item = m_docs->currentItem())
        openInFolder(m_app, item->text());
}

// --- AttachmentField -------------------------------------------------------------------------

AttachmentField::AttachmentField(AppContext& app, RecordSet& set, const QString& buttonCaption,
                                 AttachmentColumns columns, bool list, QWidget* parent)
    : QWidget(parent), m_app(app), m_set(set), m_columns(std::move(columns)), m_list(list)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_thumb = new Thumbnail(buttonCaption + QLatin1String(" thumbnail"));
    m_button = new QPushButton(buttonCaption);
    m_button->setAccessibleName(buttonCaption);
    if (list)
        m_button->setToolTip(QStringLiteral("view picture or text info.."));
    layout->addWidget(m_thumb);
    layout->addWidget(m_button);
    m_removals = new PendingRemovals(app, set, this);
    auto refresh = [this] { runCommand(m_app.messages, [this] { DisplayAnyThumbNail(); }); };
    connect(&set, &RecordSet::currentChanged, this, refresh);
    connect(&set, &RecordSet::dataReset, this, refresh);
    connect(&set, &RecordSet::rowChanged, this, refresh);
    connect(m_button, &QPushButton::clicked, this, [this] { openDialog(); });
    connect(m_thumb, &Thumbnail::clicked, this,
            [this] { runCommand(m_app.messages, [this] { showFullSize(); }); });
}

QString AttachmentField::pictureName() const
{
    if (!m_set.isOpen() || m_set.isEmpty())
        return {};
    if (m_list) {
        const QStringList pics = attachmentList(m_set.text(QStringLiteral("Pics")));
        return pics.isEmpty() ? QString() : pics.first();
    }
    return m_set.text(m_columns.picture);
}

void AttachmentField::DisplayAnyThumbNail()
{
    const QString name = pictureName();
    if (name.isEmpty())
        return void(m_thumb->showFile({}));
    // Any failure to load leaves the thumbnail empty without a message.
    m_thumb->showFile(attachmentPath(attachmentFolder(m_app.settings), name));
}

void AttachmentField::openDialog()
{
    runCommand(m_app.messages, [this] {
        if (!m_set.isOpen() || m_set.isEmpty())
            return;
        if (m_list) {
            AttachmentListDialog dialog(m_app, m_set, *m_removals, window());
            dialog.exec();
        } else {
            AttachmentDialog dialog(m_app, m_set, m_columns, *m_removals, window());
            dialog.exec();
        }
        DisplayAnyThumbNail();
    });
}

void AttachmentField::showFullSize()
{
    const QString name = pictureName();
    if (name.isEmpty())
        return;
    const QString path = attachmentPath(attachmentFolder(m_app.settings), name);
    PictureWindow window(this->window());
    if (path.isEmpty() || !window.showPicture(path))
        return m_app.messages.error(AttachmentText::CannotLoadPicture);
    window.exec();
}

} // namespace hb
