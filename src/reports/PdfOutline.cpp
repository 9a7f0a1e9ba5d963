#include "reports/PdfOutline.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

#include <optional>

namespace hb::reports {

namespace {

// Where each object starts, from a classic cross-reference table at `at`.
std::optional<QHash<int, qlonglong>> readXref(const QByteArray& pdf, qlonglong at)
{
    QHash<int, qlonglong> offsets;
    qsizetype pos = pdf.indexOf('\n', at) + 1; // past "xref"
    while (pos > 0 && pos < pdf.size()) {
        const qsizetype lineEnd = pdf.indexOf('\n', pos);
        if (lineEnd < 0)
            return std::nullopt;
        const QList<QByteArray> head = pdf.mid(pos, lineEnd - pos).trimmed().split(' ');
        if (head.value(0) == "trailer")
            return offsets;
        bool okFirst = false, okCount = false;
        const int first = head.value(0).toInt(&okFirst);
        const int count = head.value(1).toInt(&okCount);
        if (head.size() != 2 || !okFirst || !okCount || count < 0)
            return std::nullopt;
        pos = lineEnd + 1;
        for (int i = 0; i < count; ++i, pos += 20) {
            if (pos + 18 > pdf.size())
                return std::nullopt;
            if (pdf.at(pos + 17) == 'n')
                offsets.insert(first + i, pdf.mid(pos, 10).toLongLong());
        }
    }
    return std::nullopt;
}

// The dictionary text "<< ... >>" of object `number`.
std::optional<QByteArray> objectText(const QByteArray& pdf, const QHash<int, qlonglong>& offsets,
                                     int number)
{
    const auto it = offsets.constFind(number);
    if (it == offsets.cend())
        return std::nullopt;
    const QByteArray head = QByteArray::number(number) + " 0 obj";
    if (pdf.mid(*it, head.size()) != head)
        return std::nullopt;
    const qsizetype end = pdf.indexOf("endobj", *it);
    if (end < 0)
        return std::nullopt;
    return pdf.mid(*it + head.size(), end - *it - head.size()).trimmed();
}

std::optional<int> reference(const QByteArray& text, const char* key)
{
    static const QRegularExpression form(QStringLiteral("\\s+(\\d+)\\s+0\\s+R"));
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        return std::nullopt;
    const QRegularExpressionMatch m =
        form.match(QString::fromLatin1(text.mid(at + qstrlen(key), 32)));
    if (!m.hasMatch() || m.capturedStart() != 0)
        return std::nullopt;
    return m.captured(1).toInt();
}

// A PDF text string: UTF-16BE with its byte order mark, as hex.
QByteArray textString(const QString& text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xFF));
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

} // namespace

QByteArray withOutline(const QByteArray& pdf, const std::vector<OutlineEntry>& entries)
{
    if (entries.empty())
        return pdf;
    // The last trailer and the xref it follows.
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailerAt < 0 || trailerAt > startxref)
        return pdf;
    bool ok = false;
    const qlonglong previousXref =
        pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || pdf.indexOf("xref", previousXref) != previousXref)
        return pdf; // a cross-reference stream: not handled
    const QByteArray trailer = pdf.mid(trailerAt + 7, startxref - trailerAt - 7).trimmed();
    static const QRegularExpression sizeForm(QStringLiteral("/Size\\s+(\\d+)"));
    const QRegularExpressionMatch sizeMatch = sizeForm.match(QString::fromLatin1(trailer));
    const std::optional<int> root = reference(trailer, "/Root");
    if (!sizeMatch.hasMatch() || !root || trailer.contains("/Prev"))
        return pdf;
    const int size = sizeMatch.captured(1).toInt();
    const std::optional<QHash<int, qlonglong>> objects = readXref(pdf, previousXref);
    if (!objects)
        return pdf;
    const std::optional<QByteArray> catalog = objectText(pdf, *objects, *root);
    if (!catalog || !catalog->startsWith("<<") || catalog->contains("/Outlines"))
        return pdf;
    const std::optional<int> pagesRef = reference(*catalog, "/Pages");
    if (!pagesRef)
        return pdf;
    const std::optional<QByteArray> pages = objectText(pdf, *objects, *pagesRef);
    if (!pages)
        return pdf;
    const qsizetype kidsAt = pages->indexOf("/Kids");
    const qsizetype open = pages->indexOf('[', kidsAt);
    const qsizetype close = pages->indexOf(']', open);
    if (kidsAt < 0 || open < 0 || close < 0)
        return pdf;
    std::vector<int> pageObjects;
    static const QRegularExpression refForm(QStringLiteral("(\\d+)\\s+0\\s+R"));
    auto it = refForm.globalMatch(QString::fromLatin1(pages->mid(open + 1, close - open - 1)));
    while (it.hasNext())
        pageObjects.push_back(it.next().captured(1).toInt());
    for (const int page : pageObjects) {
        const std::optional<QByteArray> text = objectText(pdf, *objects, page);
        if (!text || text->contains("/Type /Pages") || text->contains("/Type/Pages"))
            return pdf; // a nested page tree: not handled
    }

    // New objects: the outline root, one item per entry, and the catalog again.
    const int outlineRoot = size;
    const int firstItem = size + 1;
    const int count = int(entries.size());
    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    std::vector<std::pair<int, qlonglong>> offsets;
    auto add = [&](int number, const QByteArray& body) {
        offsets.emplace_back(number, pdf.size() + update.size());
        update += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    };
    add(outlineRoot, "<< /Type /Outlines /First " + QByteArray::number(firstItem) + " 0 R /Last " +
                         QByteArray::number(firstItem + count - 1) + " 0 R /Count " +
                         QByteArray::number(count) + " >>");
    for (int i = 0; i < count; ++i) {
        const int page = std::clamp(entries[size_t(i)].page, 0, int(pageObjects.size()) - 1);
        QByteArray item = "<< /Title " + textString(entries[size_t(i)].title) + " /Parent " +
                          QByteArray::number(outlineRoot) + " 0 R";
        if (i > 0)
            item += " /Prev " + QByteArray::number(firstItem + i - 1) + " 0 R";
        if (i + 1 < count)
            item += " /Next " + QByteArray::number(firstItem + i + 1) + " 0 R";
        item += " /Dest [" + QByteArray::number(pageObjects[size_t(page)]) +
                " 0 R /XYZ null null null] >>";
        add(firstItem + i, item);
    }
    QByteArray newCatalog = *catalog;
    newCatalog.chop(2); // ">>"
    newCatalog = newCatalog.trimmed() + "\n/Outlines " + QByteArray::number(outlineRoot) +
                 " 0 R /PageMode /UseOutlines\n>>";
    add(*root, newCatalog);

    // The cross-reference section: the catalog, then the run of new objects.
    const qlonglong xrefAt = pdf.size() + update.size();
    auto entry = [](qlonglong offset) -> QByteArray {
        return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n\r\n";
    };
    update += "xref\n" + QByteArray::number(*root) + " 1\n" + entry(offsets.back().second);
    update += QByteArray::number(size) + ' ' + QByteArray::number(count + 1) + '\n';
    for (size_t i = 0; i + 1 < offsets.size(); ++i)
        update += entry(offsets[i].second);
    QByteArray newTrailer = trailer;
    newTrailer.replace(sizeMatch.capturedStart(), sizeMatch.capturedLength(),
                       QByteArray("/Size " + QByteArray::number(size + count + 1)));
    newTrailer.chop(2);
    newTrailer = newTrailer.trimmed() + " /Prev " + QByteArray::number(previousXref) + " >>";
    update += "trailer\n" + newTrailer + "\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return pdf + update;
}

} // namespace hb::reports
