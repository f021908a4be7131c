#pragma once

#include "DocumentDescription.h"

#include <QList>

struct TALL;

// Taking differences over from another document into this one, field by field, through
// the same routines the windows store with. The caller sets the modified flag and
// brings the windows in step.

// Whether a difference can be taken over: channels, frequency channels, FM channels and
// the tuned frequency, and the settings. The model block (model, bands, serial number,
// write time) and the FM limits belong to the radio and are never taken.
bool CanTakeDifference(const DocumentDifference& difference);

// Takes each difference that can be taken from other into doc, in the order given (a
// channel's receive frequency before its transmit frequency, as CompareDocuments orders
// them). A channel that only other holds is copied whole; one that only doc holds is
// deleted. Returns how many were taken.
int TakeDifferences(TALL& doc, const TALL& other, const QList<DocumentDifference>& differences);
