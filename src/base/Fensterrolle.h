#pragma once
// A window of its own built on a plain QWidget is reported to assistive
// technology as a filler inside some other window; the toolkit gives the
// window role only to its own window classes. Windows call this once in
// their constructor, before anything asks for their accessible object.
void FensterrolleMelden();
