#pragma once
#include <QObject>
#include <QString>

struct CKM42Doc;

// What the desktop knows about its plan beside the plan's fields: the name the title shows and
// whether it holds changes that are neither saved nor written to a radio. Every change to the
// plan is recorded here with the plan as it was before (the view's RecordPlanChange is the only
// caller), so an undo history can be kept in this one place as well.
class CPlanChanges : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A plan came into being (New, Open, Read, a backup): nothing unsaved. `name` is what the
    // title shows for it; empty for none.
    void StartPlan(const QString& name);
    // The plan has just been saved under `name`.
    void MarkSaved(const QString& name);
    // The plan has just been written to a radio (and verified, where asked).
    void MarkWritten();
    // The plan went from `before` to `after`: recorded when any field of it changed. Returns
    // whether it did.
    bool Record(const CKM42Doc& before, const CKM42Doc& after);

    bool IsModified() const { return m_bModified; }
    const QString& Name() const { return m_strName; }

signals:
    // The name or the modified state changed: the title follows.
    void StateChanged();

private:
    void SetState(bool modified, const QString& name);

    bool m_bModified = false;
    QString m_strName;
};
