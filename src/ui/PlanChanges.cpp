#include "ui/PlanChanges.h"

#include "model/DataFile.h"
#include "model/KM42Doc.h"

void CPlanChanges::StartPlan(const QString& name) {
    SetState(false, name);
}

void CPlanChanges::MarkSaved(const QString& name) {
    SetState(false, name);
}

void CPlanChanges::MarkWritten() {
    SetState(false, m_strName);
}

bool CPlanChanges::Record(const CKM42Doc& before, const CKM42Doc& after) {
    // Every field a save keeps: a change that a file cannot tell from no change is none.
    if (datafile::SerializeDocument(before) == datafile::SerializeDocument(after)) return false;
    SetState(true, m_strName);
    return true;
}

void CPlanChanges::SetState(bool modified, const QString& name) {
    if (modified == m_bModified && name == m_strName) return;
    m_bModified = modified;
    m_strName = name;
    emit StateChanged();
}
