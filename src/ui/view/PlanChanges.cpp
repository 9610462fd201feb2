// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/PlanChanges.h"

#include <QUndoCommand>

#include "model/DataFile.h"
#include "model/KM42Doc.h"

// One step: the fields it changed, before and after. Pushing it runs redo(), which finds the
// plan already holding the values after and only announces them.
class CPlanChanges::CFieldsCommand : public QUndoCommand {
public:
    CFieldsCommand(CPlanChanges& owner, std::vector<FieldChange> changes, PlanEditKind kind)
        : m_owner(owner), m_changes(std::move(changes)) {
        setText(QString::fromStdString(PlanEditName(m_changes, kind)));
    }
    void undo() override { Apply(EditSide::Before); }
    void redo() override { Apply(EditSide::After); }

private:
    void Apply(EditSide side) {
        ApplyPlanFields(m_owner.m_doc, m_changes, side);
        emit m_owner.PlanApplied();
    }

    CPlanChanges& m_owner;
    std::vector<FieldChange> m_changes;
};

CPlanChanges::CPlanChanges(CKM42Doc& doc, QObject* parent) : QObject(parent), m_doc(doc) {
    connect(&m_history, &QUndoStack::cleanChanged, this, &CPlanChanges::StateChanged);
}

CPlanChanges::~CPlanChanges() {
    // The history empties itself as it goes and says so; the window it would tell is going.
    m_history.blockSignals(true);
}

void CPlanChanges::StartPlan(const QString& name) {
    m_history.clear();
    SetName(name);
}

void CPlanChanges::MarkSaved(const QString& name) {
    m_history.setClean();
    SetName(name);
}

void CPlanChanges::MarkWritten() {
    m_history.setClean();
}

bool CPlanChanges::Record(const CKM42Doc& before, PlanEditKind kind) {
    // Every field a save keeps: a change that a file cannot tell from no change is none.
    if (datafile::SerializeDocument(before) == datafile::SerializeDocument(m_doc)) return false;
    m_history.push(new CFieldsCommand(*this, DiffPlanFields(before, m_doc), kind));
    return true;
}

void CPlanChanges::SetName(const QString& name) {
    if (name == m_strName) return;
    m_strName = name;
    emit StateChanged();
}
