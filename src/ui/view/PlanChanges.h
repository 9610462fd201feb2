// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QUndoStack>

#include "model/PlanEdits.h"

struct CKM42Doc;

// What the desktop knows about its plan beside the plan's fields: the name the title shows,
// the history of changes for undo and redo, and whether the plan holds changes that are
// neither saved nor written to a radio. Every change to the plan is recorded here with the
// plan as it was before (the view's RecordPlanChange is the only caller); undo and redo put
// the changed fields back and announce it, so that the grid is redrawn from one place.
class CPlanChanges : public QObject {
    Q_OBJECT
public:
    CPlanChanges(CKM42Doc& doc, QObject* parent);
    ~CPlanChanges() override;

    // A plan came into being (New, Open, Read, a backup): nothing unsaved, no history.
    // `name` is what the title shows for it; empty for none.
    void StartPlan(const QString& name);
    // The plan has just been saved under `name`: undoing back to here is "no changes".
    void MarkSaved(const QString& name);
    // The plan has just been written to a radio (and verified, where asked).
    void MarkWritten();
    // The plan went from `before` to what it holds now: one step of the history when a field
    // that a save keeps changed. Returns whether it did.
    bool Record(const CKM42Doc& before, PlanEditKind kind = PlanEditKind::Edit);

    bool IsModified() const { return !m_history.isClean(); }
    const QString& Name() const { return m_strName; }
    QUndoStack& History() { return m_history; }
    const QUndoStack& History() const { return m_history; }

signals:
    // The name or the modified state changed: the title follows.
    void StateChanged();
    // Fields of the plan were changed by a step of the history (recorded, undone or redone).
    void PlanApplied();

private:
    class CFieldsCommand;
    void SetName(const QString& name);

    CKM42Doc& m_doc;
    QUndoStack m_history;
    QString m_strName;
};
