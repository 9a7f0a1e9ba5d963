#include "machinery/TanksDialog.h"

#include "common/AppContext.h"
#include "common/Messages.h"
#include "machinery/TankRules.h"
#include "pages/CommandGuard.h"
#include "pages/EditBar.h"
#include "pages/FieldBinder.h"
#include "pages/LogList.h"
#include "pages/LogPage.h"
#include "pages/RecordSetModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

TanksDialog::TanksDialog(AppContext& app, Mode mode, bool metric, QWidget* parent)
    : QDialog(parent), m_app(app), m_mode(mode), m_set(std::make_unique<RecordSet>(*app.log))
{
    setObjectName(QStringLiteral("TanksDlg"));
    setWindowTitle(QStringLiteral("Vessel Tanks"));
    auto* layout = new QVBoxLayout(this);
    m_bar = new EditBar;
    layout->addWidget(m_bar);
    m_list = new LogList(QStringLiteral("Tanks"));
    layout->addWidget(m_list);
    m_binder = new FieldBinder(*m_set, QStringLiteral("Tanks"), this);
    auto* grid = new QGridLayout;
    int row = 0;
    auto line = [&](const char* column, const char* caption, KeyFilter filter) {
        auto* e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(column));
        grid->addWidget(captionFor(QString::fromLatin1(caption), e), row, 0);
        grid->addWidget(e, row++, 1);
        m_binder->bind(e, QString::fromLatin1(column), QString::fromLatin1(caption), filter);
        return e;
    };
    line("Tank_Name", "Tank Name", KeyFilter::Any);
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("Tank_Type"));
    m_type->addItems(tankTypes());
    grid->addWidget(captionFor(QStringLiteral("Tank Type"), m_type), row, 0);
    grid->addWidget(m_type, row++, 1);
    m_binder->bind(m_type, QStringLiteral("Tank_Type"), QStringLiteral("Tank Type"));
    const QString unit = metric ? QStringLiteral("Lit") : QStringLiteral("Gal");
    grid->addWidget(new QLabel(unit), row, 2);
    line("Tank_Capacity", "Capacity", KeyFilter::WholeNumber);
    grid->addWidget(new QLabel(unit), row, 2);
    m_level = line("Tank_Level", "Current Level", KeyFilter::WholeNumber);
    auto* eng = new QCheckBox(QStringLiteral("Engines Working Tank?"));
    eng->setObjectName(QStringLiteral("Tank_EngWork"));
    m_binder->bind(eng, QStringLiteral("Tank_EngWork"));
    grid->addWidget(eng, row++, 1);
    auto* gen = new QCheckBox(QStringLiteral("Genset Working Tank?"));
    gen->setObjectName(QStringLiteral("Tank_GenWork"));
    m_binder->bind(gen, QStringLiteral("Tank_GenWork"));
    grid->addWidget(gen, row++, 1);
    line("Tank_Loc", "Tank Location", KeyFilter::Any);
    line("Tank_FillerLoc", "Fill Location", KeyFilter::Any);
    layout->addLayout(grid);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("CloseBtn"));
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    if (m_mode == Mode::Level) {
        m_bar->button(EditBar::New)->hide();
        m_bar->button(EditBar::Delete)->hide();
    }
    connect(m_bar, &EditBar::clicked, this, [this](EditBar::Button b) { barClicked(int(b)); });
    connect(m_level, &QLineEdit::editingFinished, this,
            [this] { runCommand(m_app.messages, [this] { TankLevelExit(); }); });
    connect(m_list, &LogList::rowClicked, this,
            [this](int r) { runCommand(m_app.messages, [this, r] { m_set->moveTo(r + 1); }); });
    connect(m_set.get(), &RecordSet::currentChanged, this, [this] { follow(); });
    connect(m_set.get(), &RecordSet::stateChanged, this, [this] { follow(); });
    m_set->afterInsert = [this](RecordSet&) { TanksTblAfterInsert(); };
    m_set->beforePost = [this](RecordSet&) { return TanksTblBeforePost(); };
    m_set->beforeDelete = [this](RecordSet&) {
        return m_app.messages.show(Messages::Kind::Warning, LogPage::DeleteQuestion,
                                   Messages::Buttons::YesNo) == Messages::Answer::Yes
                   ? RecordSet::Proceed
                   : RecordSet::Abort;
    };
    m_set->open(QStringLiteral("select * from Tanks"));
    m_model = new RecordSetModel(
        *m_set, app.formats,
        {{QStringLiteral("Tank_Name"), QStringLiteral("Tank Name")},
         {QStringLiteral("Tank_Type"), QStringLiteral("Tank Type")},
         {QStringLiteral("Tank_Capacity"), QStringLiteral("Capacity")},
         {QStringLiteral("Tank_Level"), QStringLiteral("Cur Level")},
         {QStringLiteral("Tank_EngWork"), QStringLiteral("Eng Work"), ColumnFormat::Check},
         {QStringLiteral("Tank_GenWork"), QStringLiteral("Gen Work"), ColumnFormat::Check},
         {QStringLiteral("Tank_Loc"), QStringLiteral("Location")},
         {QStringLiteral("Tank_FillerLoc"), QStringLiteral("Fill Location")}},
        this);
    m_list->setModel(m_model);
    follow();
}

TanksDialog::~TanksDialog() = default;

QLineEdit* TanksDialog::field(const char* column) const
{
    return findChild<QLineEdit*>(QString::fromLatin1(column));
}

void TanksDialog::follow()
{
    const bool editing =
        m_set->state() == RecordSet::State::Insert || m_set->state() == RecordSet::State::Edit;
    m_bar->setEditing(editing);
    m_bar->setRowsPresent(!m_set->isEmpty());
    if (m_mode == Mode::Level && !editing) {
        m_bar->button(EditBar::New)->hide();
        m_bar->button(EditBar::Delete)->hide();
    }
    m_binder->setEditable(editing);
    if (m_mode == Mode::Level && editing) {
        // Only the level may change.
        m_binder->setEditable(false);
        m_level->setReadOnly(false);
    }
    if (!editing) {
        m_binder->load();
        if (!m_set->isEmpty())
            m_list->showCurrentRow(m_set->recNo() - 1);
    }
    m_levelBefore = m_level->text();
}

void TanksDialog::TanksTblAfterInsert()
{
    m_set->setValue(QStringLiteral("Tank_EngWork"), false);
    m_set->setValue(QStringLiteral("Tank_GenWork"), false);
    m_set->setValue(QStringLiteral("Tank_Type"), QStringLiteral("FUEL"));
    m_binder->load();
}

void TanksDialog::TankLevelExit()
{
    if (m_level->isReadOnly())
        return;
    const int capacity = m_set->integer(QStringLiteral("Tank_Capacity"));
    const int level = m_level->text().toInt();
    if (!levelFits(level, capacity)) {
        m_app.messages.error(LevelOutOfRange);
        m_level->setText(m_levelBefore);
        m_set->setValue(QStringLiteral("Tank_Level"),
                        m_levelBefore.isEmpty() ? QVariant() : QVariant(m_levelBefore));
        return;
    }
    m_levelBefore = m_level->text();
}

RecordSet::Verdict TanksDialog::TanksTblBeforePost()
{
    RecordSet& s = *m_set;
    s.setValue(QStringLiteral("Tank_Type"), m_type->currentText());
    for (const char* c : {"Tank_Name", "Tank_Loc", "Tank_FillerLoc"}) {
        const QString name = QString::fromLatin1(c);
        if (!s.isNull(name))
            s.setValue(name, s.text(name).toUpper());
    }
    if (!levelFits(s.integer(QStringLiteral("Tank_Level")),
                   s.integer(QStringLiteral("Tank_Capacity")))) {
        m_app.messages.error(LevelOutOfRange);
        m_level->setFocus();
        return RecordSet::Abort;
    }
    return RecordSet::Proceed;
}

bool TanksDialog::saveTank()
{
    bool saved = false;
    runCommand(m_app.messages, [&] {
        m_set->post();
        saved = m_set->state() == RecordSet::State::Browse;
    });
    follow();
    return saved;
}

void TanksDialog::barClicked(int button)
{
    runCommand(m_app.messages, [&] {
        switch (EditBar::Button(button)) {
        case EditBar::First:
            m_set->first();
            break;
        case EditBar::Last:
            m_set->last();
            break;
        case EditBar::New:
            if (m_mode == Mode::Setup)
                m_set->append();
            break;
        case EditBar::Delete:
            if (m_mode == Mode::Setup && !m_set->isEmpty())
                m_set->remove();
            break;
        case EditBar::Edit:
            if (!m_set->isEmpty())
                m_set->edit();
            (m_mode == Mode::Setup ? field("Tank_Name") : m_level)->setFocus();
            break;
        case EditBar::Save:
            saveTank();
            break;
        case EditBar::Cancel:
            m_set->cancel();
            break;
        }
    });
    follow();
}

} // namespace hb
