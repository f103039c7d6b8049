#pragma once

// Marks that lupdate reads (scripts/update-translations.sh tells it their
// names), so that the catalogues are made from the sources.
//
// DIALSTACK_TR_CONTEXT(Name), in a class or a namespace: its Tr calls, and
// the unqualified Tr calls of its functions, are translated in the context
// "Name", which the code reads as kTrContext. lupdate takes it for
// Q_DECLARE_TR_FUNCTIONS.
#define DIALSTACK_TR_CONTEXT(context) static constexpr const char kTrContext[] = #context;

// DIALSTACK_TR_NOOP("Context", "text"): a text kept in a table (or handed
// on) and translated where it is used. It is the text itself; lupdate takes
// it for QT_TRANSLATE_NOOP.
#define DIALSTACK_TR_NOOP(context, text) text

// DIALSTACK_TR_N_NOOP("Context", "%n records"): the same for a text that
// counts, translated with a count (lupdate: QT_TRANSLATE_N_NOOP).
#define DIALSTACK_TR_N_NOOP(context, text) text
