#pragma once

class QObject;

namespace kestravane {

// Drops the accessible interface a screen reader's events made for `object`
// while it was still being built, when only its base classes were there to
// ask, so that the next question finds the one meant for it. Call it once
// the object is whole; without a screen reader it does nothing.
void RenewAccessible(QObject* object);

}  // namespace kestravane
