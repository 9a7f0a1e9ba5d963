#include "records/WaypointsPage.h"

#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/LogConnection.h"
#include "pages/DateBox.h"
#include "pages/FieldBinder.h"
#include "records/Gpx.h"
#include "records/Position.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTimeZone>

namespace hb {

const LogPageSpec& WaypointsPage::pageSpec()
{
    static const LogPageSpec spec{
        Page::Waypoints,
        QStringLiteral("Waypoint Log"),
        QStringLiteral("WP"),
        QStringLiteral("Waypoints"),
        QStringLiteral("Waypoints"),
        {{QStringLiteral("WPName"), QStringLiteral("WP Name")},
         {QStringLiteral("WPLatt"), QStringLiteral("Latitude")},
         {QStringLiteral("WPLong"), QStringLiteral("Longitude")},
         {QStringLiteral("WPDesc"), QStringLiteral("Description")},
         {QStringLiteral("WPState"), QStringLiteral("State")},
         {QStringLiteral("WPRegion"), QStringLiteral("Region")},
         {QStringLiteral("WPCountry"), QStringLiteral("Country")},
         {QStringLiteral("WPDepth"), QStringLiteral("Depth")},
         {QStringLiteral("WPAmenity"), QStringLiteral("Amenity")},
         {QStringLiteral("WPFish"), QStringLiteral("Fish"), ColumnFormat::Check},
         {QStringLiteral("WPPort"), QStringLiteral("Port"), ColumnFormat::Check},
         {QStringLiteral("WPAnch"), QStringLiteral("Anch"), ColumnFormat::Check},
         {QStringLiteral("WPPOI"), QStringLiteral("POI"), ColumnFormat::Check},
         {QStringLiteral("WPCity"), QStringLiteral("City"), ColumnFormat::Check},
         {QStringLiteral("WPDate"), QStringLiteral("Date"), ColumnFormat::Date},
         {QStringLiteral("Archived"), QStringLiteral("Archived"), ColumnFormat::Check}},
        true,
        true,
        SearchSpec{"Search Waypoints",
                   {},
                   {{"WP Name", "WPName"}, {"Amenity", "WPAmenity"}, {"Country", "WPCountry"}}},
        SearchBase{QStringLiteral("Waypoints"), QStringLiteral("Archived = False"), {}, 0},
        QStringLiteral("Waypoints"),
        QStringLiteral("Show All"),
    };
    return spec;
}

WaypointsPage::WaypointsPage(PageContext& context, QWidget* parent)
    : LogPage(context, pageSpec(), parent)
{
    FieldBinder& b = binder();
    QGridLayout* g = details();
    auto line = [&](const QString& field, const QString& caption, int row, int col,
                    const QString& hint = {}, KeyFilter filter = KeyFilter::Any) {
        auto* e = new QLineEdit;
        e->setObjectName(field);
        e->setToolTip(hint);
        b.bind(e, field, caption, filter);
        g->addWidget(captionFor(caption, e), row, col);
        g->addWidget(e, row, col + 1);
        return e;
    };
    line(QStringLiteral("WPName"), QStringLiteral("Waypoint Name"), 0, 0,
         QStringLiteral("a name for this waypoint.."));
    m_lat = new QLineEdit;
    m_lat->setObjectName(QStringLiteral("WPLatt"));
    m_lat->setToolTip(QStringLiteral("degrees, minutes and N or S, for example 48 07.04 N"));
    m_lat->setMaxLength(13);
    g->addWidget(captionFor(QStringLiteral("Latitude"), m_lat), 1, 0);
    g->addWidget(m_lat, 1, 1);
    m_long = new QLineEdit;
    m_long->setObjectName(QStringLiteral("WPLong"));
    m_long->setToolTip(QStringLiteral("degrees, minutes and E or W, for example 011 31.00 E"));
    m_long->setMaxLength(13);
    g->addWidget(captionFor(QStringLiteral("Longitude"), m_long), 2, 0);
    g->addWidget(m_long, 2, 1);
    for (QLineEdit* e : {m_lat, m_long}) {
        setFieldKeys(e);
        b.follow(e);
    }
    line(QStringLiteral("WPDesc"), QStringLiteral("Description"), 3, 0,
         QStringLiteral("a brief description"));
    line(QStringLiteral("WPState"), QStringLiteral("State"), 0, 2);
    line(QStringLiteral("WPRegion"), QStringLiteral("Region"), 1, 2);
    line(QStringLiteral("WPCountry"), QStringLiteral("Country"), 2, 2);
    QLineEdit* depth = line(QStringLiteral("WPDepth"), QStringLiteral("Depth"), 3, 2,
                            QStringLiteral("if dive spot, depth.."), KeyFilter::WholeNumber);
    depth->setMaxLength(4);
    line(QStringLiteral("WPAmenity"), QStringLiteral("Amenity"), 4, 0,
         QStringLiteral("any amenities here?"));

    m_date = new DateBox(QStringLiteral("Date"));
    m_date->setObjectName(QStringLiteral("WPDate"));
    m_date->setToolTip(QStringLiteral("date WP entered"));
    m_date->setEnabled(false); // a waypoint's date is the day it was entered
    g->addWidget(captionFor(QStringLiteral("Date"), m_date), 4, 2);
    g->addWidget(m_date, 4, 3);

    auto* features = new QHBoxLayout;
    const std::pair<const char*, const char*> flags[] = {
        {"WPFish", "Fish"}, {"WPPort", "Port"}, {"WPAnch", "Anchorage"},
        {"WPPOI", "POI"},   {"WPCity", "City"},
    };
    for (const auto& [field, caption] : flags) {
        auto* box = new QCheckBox(QString::fromLatin1(caption));
        box->setObjectName(QString::fromLatin1(field));
        b.bind(box, QString::fromLatin1(field));
        features->addWidget(box);
    }
    auto* archived = new QCheckBox(QStringLiteral("Archive Current Waypoint?"));
    archived->setObjectName(QStringLiteral("Archived"));
    b.bind(archived, QStringLiteral("Archived"));
    features->addWidget(archived);
    features->addStretch(1);
    g->addLayout(features, 5, 0, 1, 4);

    addPageButton(QStringLiteral("Trip Log"), Page::TripTab)
        ->setToolTip(QStringLiteral("show Trip Log"));
    connect(addButton(QStringLiteral("Import GPX..")), &QPushButton::clicked, this,
            [this] { command([this] { importGpx(); }); });
    connect(addButton(QStringLiteral("Export GPX..")), &QPushButton::clicked, this,
            [this] { command([this] { exportGpx(); }); });

    RecordSet& q = query();
    q.afterInsert = [this](RecordSet&) { WPQueryAfterInsert(); };
    q.beforePost = [this](RecordSet&) { return WPQueryBeforePost(); };
    q.afterPost = [this](RecordSet&) { WPQueryAfterPost(); };
}

Selection WaypointsPage::normalSelection() const
{
    return {QStringLiteral("select * from Waypoints where Archived = False order by WPLatt "
                           "COLLATE hb_nocase"),
            {}};
}

Selection WaypointsPage::showAllSelection(bool all) const
{
    return hb::showAllSelection(QStringLiteral("Waypoints"), all, QStringLiteral("WPDate"));
}

void WaypointsPage::pageShown()
{
    WaypointsShow();
}

void WaypointsPage::WaypointsShow()
{
    m_date->setDisplayPattern(formats().shortDatePattern());
    showCurrent();
}

void WaypointsPage::showCurrent()
{
    RecordSet& q = query();
    const bool row = q.isOpen() && !q.isEmpty();
    m_date->setDateOrNone(row ? q.date(QStringLiteral("WPDate")) : QDate());
    m_lat->setText(row ? q.text(QStringLiteral("WPLatt")) : QString());
    m_long->setText(row ? q.text(QStringLiteral("WPLong")) : QString());
}

void WaypointsPage::WPQueryAfterInsert()
{
    // The feature boxes start cleared (the columns' default) and the position empty.
    m_date->setDateOrNone(clock().today());
    m_lat->clear();
    m_long->clear();
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("WPName")))
        name->setFocus();
}

void WaypointsPage::editingChanged(bool editing)
{
    // The form of a position shows in the empty boxes while one can be typed.
    m_lat->setPlaceholderText(editing ? QStringLiteral("48 07.04 N") : QString());
    m_long->setPlaceholderText(editing ? QStringLiteral("011 31.00 E") : QString());
}

RecordSet::Verdict WaypointsPage::WPQueryBeforePost()
{
    RecordSet& q = query();
    const std::optional<QString> lat = normalisePosition(m_lat->text(), Axis::Latitude);
    if (!lat) {
        messages().error(QStringLiteral("The latitude must be degrees (0 to 90), minutes and N "
                                        "or S, for example 48 07.04 N."));
        m_lat->setFocus();
        return RecordSet::Abort;
    }
    const std::optional<QString> lon = normalisePosition(m_long->text(), Axis::Longitude);
    if (!lon) {
        messages().error(QStringLiteral("The longitude must be degrees (0 to 180), minutes and "
                                        "E or W, for example 011 31.00 E."));
        m_long->setFocus();
        return RecordSet::Abort;
    }
    // The date is the day the waypoint was entered; editing never changes it.
    if (q.state() == RecordSet::State::Insert)
        q.setValue(QStringLiteral("WPDate"), m_date->dateOrNone());
    q.setValue(QStringLiteral("WPLatt"), lat->isEmpty() ? QVariant() : QVariant(*lat));
    q.setValue(QStringLiteral("WPLong"), lon->isEmpty() ? QVariant() : QVariant(*lon));
    return RecordSet::Proceed;
}

void WaypointsPage::WPQueryAfterPost()
{
    // Read the list again as it was chosen ("Show All" or not), on the saved row.
    query().requery();
}

void WaypointsPage::exportGpx()
{
    const QString path = context().app.fileDialogs.saveFile(
        QStringLiteral("Export GPX"), QDir::homePath(), QStringLiteral("GPX files (*.gpx)"));
    if (path.isEmpty())
        return;
    std::vector<GpxWaypoint> points;
    RecordSet& q = query();
    const int latCol = q.fieldIndex(QStringLiteral("WPLatt"));
    const int lonCol = q.fieldIndex(QStringLiteral("WPLong"));
    int skipped = 0;
    for (int r = 0; r < q.recordCount(); ++r) {
        const auto lat = positionDegrees(q.valueAt(r, latCol).toString(), Axis::Latitude);
        const auto lon = positionDegrees(q.valueAt(r, lonCol).toString(), Axis::Longitude);
        if (!lat || !lon) {
            ++skipped; // a waypoint without a position has no place in a GPX file
            continue;
        }
        GpxWaypoint w;
        w.latitude = *lat;
        w.longitude = *lon;
        w.name = q.valueAt(r, QStringLiteral("WPName")).toString();
        w.desc = q.valueAt(r, QStringLiteral("WPDesc")).toString();
        const QDate d = q.valueAt(r, QStringLiteral("WPDate")).toDate();
        if (d.isValid())
            w.time = QDateTime(d, QTime(0, 0), Qt::UTC);
        points.push_back(w);
    }
    const QString target = path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive)
                               ? path
                               : path + QLatin1String(".gpx");
    QSaveFile file(target);
    const QByteArray data = writeGpx(points);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        messages().error(QStringLiteral("The waypoints could not be written to %1: %2")
                             .arg(QDir::toNativeSeparators(target), file.errorString()));
        return;
    }
    QString done = QStringLiteral("%1 waypoints were written to %2.")
                       .arg(points.size())
                       .arg(QDir::toNativeSeparators(target));
    if (skipped)
        done += QStringLiteral(" %1 without a position were left out.").arg(skipped);
    messages().information(done);
}

void WaypointsPage::importGpx()
{
    if (editing()) {
        messages().error(QStringLiteral("Save or cancel the waypoint you are editing first."));
        return;
    }
    const QString path = context().app.fileDialogs.openFile(
        QStringLiteral("Import GPX"), QDir::homePath(), QStringLiteral("GPX files (*.gpx)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QString name = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages().error(QStringLiteral("%1 could not be read: %2").arg(name, file.errorString()));
        return;
    }
    if (file.size() > GpxMaxBytes) {
        messages().error(QStringLiteral("%1 was not imported: the file is larger than %2 MB.")
                             .arg(name)
                             .arg(GpxMaxBytes >> 20));
        return;
    }
    const GpxRead read = readGpx(file.read(GpxMaxBytes + 1));
    if (!read.error.isEmpty()) {
        messages().error(
            QStringLiteral("%1 was not imported, nothing was added: %2").arg(name, read.error));
        return;
    }
    const int nameSize =
        FieldBinder::columnSize(QStringLiteral("Waypoints"), QStringLiteral("WPName"));
    const int descSize =
        FieldBinder::columnSize(QStringLiteral("Waypoints"), QStringLiteral("WPDesc"));
    for (const GpxWaypoint& w : read.waypoints) {
        if (w.name.size() > nameSize || w.desc.size() > descSize) {
            messages().error(QStringLiteral("%1 was not imported, nothing was added: the waypoint "
                                            "\"%2\" has a name longer than %3 or a description "
                                            "longer than %4 characters.")
                                 .arg(name, w.name.left(60))
                                 .arg(nameSize)
                                 .arg(descSize));
            return;
        }
    }
    LogConnection& log = *context().app.log;
    {
        LogConnection::Transaction transaction(log);
        const QDate today = clock().today();
        for (const GpxWaypoint& w : read.waypoints) {
            log.exec(
                QStringLiteral("INSERT INTO Waypoints (WPName, WPDesc, WPDate, WPLatt, WPLong) "
                               "VALUES (:name, :desc, :date, :lat, :long)"),
                {{QStringLiteral(":name"), w.name.isEmpty() ? QVariant() : QVariant(w.name)},
                 {QStringLiteral(":desc"), w.desc.isEmpty() ? QVariant() : QVariant(w.desc)},
                 {QStringLiteral(":date"), w.time.isValid() ? w.time.date() : today},
                 {QStringLiteral(":lat"), positionText(w.latitude, Axis::Latitude)},
                 {QStringLiteral(":long"), positionText(w.longitude, Axis::Longitude)}});
        }
        transaction.commit();
    }
    query().requery();
    messages().information(
        QStringLiteral("%1 waypoints were imported from %2.").arg(read.waypoints.size()).arg(name));
}

} // namespace hb
