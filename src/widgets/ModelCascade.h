#pragma once

#include "data/Records.h"
#include "widgets/SelectorCascade.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QComboBox;
class QWidget;

// The selectors over one model table, shared by its master and its gap screen: which selector
// binds which column, and which description field follows which choice. The level selector
// offers "2" to "5" and its text counts as a number (an empty text as 0); every other selector
// binds its text as typed. A description takes the first row found (in the order rows were
// written) for the choices it depends on; a null shows as an empty field, no row or a failed
// read leaves the field as it was.
class ModelCascade : public QObject
{
    Q_OBJECT
public:
    using RecordsSource = std::function<Records()>;

    // Level, KPA, goal, practice and subpractice over cmmi_kpas; any description may be null.
    static ModelCascade *processAreas(RecordsSource records, QComboBox *level, QComboBox *kpa, QComboBox *goal,
                                      QComboBox *practice, QComboBox *subpractice, QWidget *goalDesc,
                                      QWidget *practiceDesc, QWidget *subpracticeDesc, QObject *parent);
    // Level, KPA, goal, practice and work product over cmmi_docs.
    static ModelCascade *workProducts(RecordsSource records, QComboBox *level, QComboBox *kpa, QComboBox *goal,
                                      QComboBox *practice, QComboBox *workProduct, QWidget *goalDesc,
                                      QWidget *practiceDesc, QWidget *workProductDesc, QObject *parent);
    // Generic goal and generic practice over cmmi_ggs.
    static ModelCascade *genericGoals(RecordsSource records, QComboBox *goal, QComboBox *practice,
                                      QWidget *goalDesc, QWidget *practiceDesc, QObject *parent);

    static QStringList levels() { return {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}; }
    static int levelNumber(const QString &text) { return text.toInt(); }

    QString table() const { return m_table; }
    // The selectors' columns and values, top to bottom; `count` of them, or all.
    Fields keys(int count = -1) const;
    QList<QComboBox *> selectors() const;

    // Fills the top selector (unless it is the fixed level list) and chooses its first entry:
    // the whole cascade runs.
    void start();
    void choose(QComboBox *combo, int index) { m_cascade->choose(combo, index); }
    void refill(QComboBox *combo) { m_cascade->refill(combo); }
    // Runs after each choice of the selector, after its descriptions (the stored answer, say).
    void addFollowUp(QComboBox *combo, SelectorCascade::FollowUp followUp) { m_cascade->addFollowUp(combo, std::move(followUp)); }
    SelectorCascade *cascade() const { return m_cascade; }

private:
    struct Selector
    {
        QComboBox *combo;
        QString column;
        bool isLevel;
    };
    struct Description
    {
        QPointer<QWidget> field;
        QString column;
        int keyCount;
    };

    ModelCascade(const QString &table, RecordsSource records, QObject *parent);
    static ModelCascade *byLevel(const QString &table, const QString &idColumn, const QString &descColumn,
                                 RecordsSource records, const QList<QComboBox *> &combos,
                                 const QList<QWidget *> &descriptions, QObject *parent);
    void addSelector(QComboBox *combo, const QString &column, bool isLevel = false);
    // After each choice of `combo`, the field shows `column` of the first row matching the top `keyCount` selectors.
    void addDescription(QComboBox *combo, QWidget *field, const QString &column, int keyCount);
    void showDescription(const Description &description) const;

    QString m_table;
    RecordsSource m_records;
    SelectorCascade *m_cascade;
    QList<Selector> m_selectors;
};
