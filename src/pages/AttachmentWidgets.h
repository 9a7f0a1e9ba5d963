#pragma once

#include <QDialog>
#include <QLabel>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace hb {

struct AppContext;
class RecordSet;

// The window "Picture": one picture at its own size (fitted to the screen), emptied when closed.
class PictureWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PictureWindow(QWidget* parent = nullptr);
    // False when the picture cannot be read.
    bool showPicture(const QString& path);
    QLabel* picture() const { return m_picture; }

private:
    QLabel* m_picture;
};

// A thumbnail of the current row's picture; a click shows it full size.
class Thumbnail : public QLabel
{
    Q_OBJECT
public:
    explicit Thumbnail(const QString& caption, QWidget* parent = nullptr);
    // Shows the picture of this path (cached, read at thumbnail size); empty clears it.
    // False when a picture was asked for and could not be read.
    bool showFile(const QString& path);
    QString file() const { return m_path; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_path;
};

// Files a row gave up while it was edited; they are removed once the row is saved and no row
// of the log names them any more, and forgotten when the edit is cancelled.
class PendingRemovals : public QObject
{
    Q_OBJECT
public:
    PendingRemovals(AppContext& app, RecordSet& set, QObject* parent = nullptr);
    void add(const QString& name);
    QStringList names() const { return m_names; }

private:
    void rowSaved();

    AppContext& m_app;
    QStringList m_names;
};

// Which columns of a row hold its single picture and (optionally) its document.
struct AttachmentColumns
{
    QString picture;
    QString document; // empty when the page has none
};

// The dialog "Documents & Pictures" on the page's current row.
class AttachmentDialog : public QDialog
{
    Q_OBJECT
public:
    AttachmentDialog(AppContext& app, RecordSet& set, AttachmentColumns columns,
                     PendingRemovals& removals, QWidget* parent = nullptr);

    void LoadPicClick();
    void ClearPicClick();
    void NewFileClick();
    void ClearFileClick();
    void DisplayClick();
    QLabel* picture() const { return m_picture; }
    QLabel* documentName() const { return m_docName; }
    QPushButton* button(const char* name) const;

private:
    bool editing() const;
    // The folder, or empty after the folder message.
    QString folderOrMessage();
    void showRowPicture(bool reportFailure);
    void showDocument();

    AppContext& m_app;
    RecordSet& m_set;
    AttachmentColumns m_columns;
    PendingRemovals& m_removals;
    QLabel* m_picture;
    QLabel* m_docName;
};

// The dialog "Maintenance Pics & Docs": the row's lists of pictures and documents.
class AttachmentListDialog : public QDialog
{
    Q_OBJECT
public:
    AttachmentListDialog(AppContext& app, RecordSet& set, PendingRemovals& removals,
                         QWidget* parent = nullptr);

    void LoadPicClick();
    void DeletePicClick();
    void ShowPicClick();
    void MovePic(int step);
    void LoadFileClick();
    void DeleteFileClick();
    void DisplayFileClick();
    QListWidget* pictures() const { return m_pics; }
    QListWidget* files() const { return m_docs; }
    QLabel* selectedPicture() const { return m_selected; }

private:
    bool editing() const;
    QString folderOrMessage();
    void showSelectedPicture(bool reportFailure);
    void store(const QString& column, QListWidget* list);

    AppContext& m_app;
    RecordSet& m_set;
    PendingRemovals& m_removals;
    QListWidget* m_pics;
    QListWidget* m_docs;
    QLabel* m_selected;
};

// What a page declares for a row's attachment: a thumbnail following the current row and a
// button (its caption the page's: "Pic", "Photo", "Doc or Pic") opening "Documents &
// Pictures", or for lists "Docs and Pics" opening "Maintenance Pics & Docs".
class AttachmentField : public QWidget
{
    Q_OBJECT
public:
    // `columns.picture` empty with `list` true: the row's "Pics" and "Docs" lists.
    AttachmentField(AppContext& app, RecordSet& set, const QString& buttonCaption,
                    AttachmentColumns columns, bool list = false, QWidget* parent = nullptr);

    // DisplayAnyThumbNail: the current row's (first) picture, or nothing.
    void DisplayAnyThumbNail();
    void openDialog();
    void showFullSize();
    Thumbnail* thumbnail() const { return m_thumb; }
    QPushButton* button() const { return m_button; }
    PendingRemovals& removals() { return *m_removals; }
    QString pictureName() const;

private:
    AppContext& m_app;
    RecordSet& m_set;
    AttachmentColumns m_columns;
    bool m_list;
    Thumbnail* m_thumb;
    QPushButton* m_button;
    PendingRemovals* m_removals;
};

// Texts of the attachment dialogs.
namespace AttachmentText {
extern const QString NoFolder;
extern const QString CannotLoadPicture;
extern const QString SamePicture;
extern const QString SameDocument;
extern const QString DeletePicture;
extern const QString DeletePictureAlso;
extern const QString DeleteDocumentAlso;
extern const QString CouldNotLoad;
extern const QString NotOpened;
extern const QString PictureFilter;
extern const QString DocumentFilter;
} // namespace AttachmentText

} // namespace hb
