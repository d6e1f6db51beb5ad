// symtab32: the symbol table of the program. It maps absolute S5 operands (E 1.0, MW 10, DB 5)
// to symbols and comments, loads and saves the symbol file (".SEQ"), and puts symbols into and
// takes them out of statement lines.
//
// Contents
//   1. Sizes               buffers the caller gives
//   2. Symbol file         select, load, save, free; the outcome of the last load or save
//   3. Entries             count, entry by index, splitting an entry line
//   4. Lookup              by operand, by symbol; operand and symbol checks
//   5. Changing the table  SymbolAnlegen
//   6. Statement lines     symbols into and out of a line, in place
//   7. Dialog operations   C++, in outside/symtab/symbol_dialogs.h
//
// Every function is extern "C", takes and returns 8-bit Windows-1252 zero-terminated strings,
// accepts null for a string argument (as an empty text, or as "nothing to write" for an output)
// and never throws. The table is one per process; calls from several threads are serialised.
// A returned string lives in a buffer of the calling thread that the next call of the same
// function on that thread overwrites; copy it to keep it.
//
// OPERANDS
//   An absolute operand is area letters and an address: "E 1.0", "A 4.7", "M 10.3" (byte.bit,
//   bit 0..7), "D 3.15" (data word bit, bit 0..15), "S 4095.7", "EB 3", "AW 10", "MD 20",
//   "SY 100", "PY 128", "QB 5", "DL 2", "DW 3", "DD 4", "T 5", "Z 7", "BS 10" or "BS 10.15"
//   (also BT, BA, BB), "OB 1", "PB 12", "SB 3", "FB 1", "FX 2", "DB 5", "DX 3". Addresses lie in
//   the program's address space (E and A bytes 0..127, M 0..255, S 0..4095, words and double
//   words up to the last whole one, everything else 0..255). Constants (KF, KH, ...), formal
//   operands and register names are no operands. Operands compare without regard to blanks,
//   ASCII case and leading zeros ("mw10" = "MW 010" = "MW 10"); the table stores and writes the
//   normalised form: upper case, the area, one blank, the address ("MW 10", "E 1.0").
//
// SYMBOLS (SymbolPruefen)
//   1 to 24 characters. The first is a letter, a digit or '_'; the others are letters, digits,
//   '_', '-', '[' or ']'. Letters are A..Z, a..z and the Windows-1252 letters Ä Ö Ü ä ö ü ß. At
//   least one letter. A text shaped like an operand, area letters followed by a number, is no
//   symbol ("MW10", "e1.0", "T1", "DB300"). Symbols compare without regard to case.
//   Accepted: "START_TASTER", "Motor1-Ein", "Füllstand", "1_BAND", "NAME[02]".
//   Refused: "", "START TASTER", "A.B", "-X", "MW10", "KF+5", 25 characters.
//
// THE SYMBOL FILE
//   One line per entry, ended by LF: TAB operand TAB symbol TAB comment, fields without trailing
//   blanks, the operand normalised (upper case). A comment line is TAB and the text from its
//   ';'. The file ends with 0x1A. Reading accepts CR LF or LF, stops at 0x1A, takes a line whose
//   first or second character is ';' as a comment line, skips blanks after a tab and refuses
//   a line with more than three fields (four tabs) with "Fehlerhafte SEQ-Datei (Zu viele Tabs)
//   !". Every line is kept in its order and written back; new entries are appended. Lines that
//   cannot be entries are kept too but take no part in lookups ("set aside"): an operand that is
//   no absolute operand, a symbol that SymbolPruefen refuses, an operand or symbol that an
//   earlier line already has. A file written by this library loads and saves byte for byte.
//
// ENTRIES
//   An entry is a line with an absolute operand; its symbol may be empty (a comment only). The
//   entries are numbered from 0 in file order, without comment lines, blank lines and lines set
//   aside. An entry line is "operand TAB symbol TAB comment".
#ifndef OUTSIDE_SYMTAB_SYMTAB32_H
#define OUTSIDE_SYMTAB_SYMTAB32_H

#if defined(SYMTAB32_BUILD)
#define SYMTAB32_API __attribute__((visibility("default")))
#else
#define SYMTAB32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 1. Sizes ---------------------------------------------------------------------------------- */
#define SYMTAB32_OPERAND_BYTES 13  /* operand field of SymbolZeileAufteilen, S5OperandNormieren */
#define SYMTAB32_SYMBOL_BYTES 25   /* 24 characters and the terminator */
#define SYMTAB32_COMMENT_BYTES 81  /* 80 characters and the terminator */
#define SYMTAB32_AWL_LINE_BYTES 90 /* a statement line of 89 columns and the terminator */

/* 2. Symbol file ---------------------------------------------------------------------------- */
/* Selects the file for the next SeqLaden and SeqSpeichern (empty: none). Keeps the table. An
   existing file is found whatever the case of its name. */
SYMTAB32_API void SetSymbolikDatei(const char* path);
SYMTAB32_API const char* GetSymbolikDatei(void);
/* Replaces the table with the selected file's lines. 1: loaded; 2: loaded, but lines were set
   aside (GetSeqFehler names the first, GetSeqFehlerZeile its line); 0: failed, the table is
   empty and SeqSpeichern refuses until a load succeeds or SymbolSpeicherEntfernen is called.
   No file selected, or a file that does not exist: an empty table and 1. */
SYMTAB32_API int SeqLaden(void);
/* Writes the table to the selected file, crash-safe (the old file stays whole until the new
   one is complete). 1: written; 0: no file selected, the last load failed, or the write
   failed (GetSeqFehler). */
SYMTAB32_API int SeqSpeichern(void);
/* The error of the last SeqLaden or SeqSpeichern; "" when it went well. */
SYMTAB32_API const char* GetSeqFehler(void);
/* The 1-based line of the file the error refers to; 0 for none. */
SYMTAB32_API int GetSeqFehlerZeile(void);
/* Nonzero when SymbolAnlegen changed the table since the last load, save or free. */
SYMTAB32_API int IstSymbolikGeaendert(void);
/* Frees the table (the selected file stays selected). */
SYMTAB32_API void SymbolSpeicherEntfernen(void);

/* 3. Entries -------------------------------------------------------------------------------- */
SYMTAB32_API int GetAnzahlSymbole(void);
/* Entry `index` as "operand TAB symbol TAB comment"; null for an index out of range. */
SYMTAB32_API const char* GetSymbolVonIndex(int index);
/* Splits an entry line (as GetSymbolVonIndex returns it, or a line of the symbol file with its
   leading tab and line end) into its fields, blanks around them removed, each cut to its
   buffer: operand SYMTAB32_OPERAND_BYTES (normalised when it is an operand, else upper case),
   symbol SYMTAB32_SYMBOL_BYTES, comment SYMTAB32_COMMENT_BYTES. Null outputs are skipped.
   1 when split; 0 (outputs empty) for null, a comment line or more than three fields. */
SYMTAB32_API int SymbolZeileAufteilen(const char* line, char* operand, char* symbol, char* comment);

/* 4. Lookup --------------------------------------------------------------------------------- */
/* The entry index of an operand (any spelling); -1 when it has no entry or is no operand. */
SYMTAB32_API int GetIndexVonOperand(const char* operand);
/* The operand's symbol; null when it has no entry or its entry has no symbol. Both modes
   give the same text. */
SYMTAB32_API const char* GetSymbolVonOperand(const char* operand, int mode);
/* The operand's comment ("" for an entry without one); null when it has no entry. Mode 0: the
   whole comment; mode 1: as the automatic commenting writes it into a statement line (cut to
   the 37 columns 52..88), to compare with a line's comment field. */
SYMTAB32_API const char* GetKommentarVonOperand(const char* operand, int mode);
/* The normalised operand of a symbol (any case); null when no entry has it. */
SYMTAB32_API const char* GetOperandVonSymbol(const char* symbol);
/* Nonzero for an absolute S5 operand. */
SYMTAB32_API int IstS5Operand(const char* text);
/* The normalised form of an operand into `operand` (SYMTAB32_OPERAND_BYTES); 0 (and "") when
   the text is no operand. */
SYMTAB32_API int S5OperandNormieren(const char* text, char* operand);
/* Nonzero when the text is a valid symbol (the rule above; blanks are refused). */
SYMTAB32_API int SymbolPruefen(const char* symbol);

/* 5. Changing the table --------------------------------------------------------------------- */
/* Adds an entry at the end, or gives the operand's entry the new symbol and comment (in its
   place). Blanks around symbol and comment are removed. 1: added; 2: replaced; 0: refused
   (no operand, invalid symbol, a symbol another operand has, a comment longer than 80
   characters or with a control character). Saving is SeqSpeichern's. */
SYMTAB32_API int SymbolAnlegen(const char* operand, const char* symbol, const char* comment);

/* 6. Statement lines ------------------------------------------------------------------------ */
/* LINES: statement lines of 89 columns: operation in columns 11..14, operand area in 15..16,
   blank in 17, address from 18 ("U   E   1.0"); comment field from column 52. Call parameter
   lines have '>' in column 10 and their operand from column 15 in the same layout. Shown as a
   symbol, the operand field is '-' and the symbol from column 15 ("U   -START_TASTER"). Only
   lines with ':' or '>' in column 10, blank column 14 and at least 16 characters are touched;
   network headers ("NETZWERK" in column 0), comment lines (';' in column 11) and shorter
   lines never. A changed line shorter than 89 columns loses its trailing blanks; a longer one
   keeps its length. The buffer must hold SYMTAB32_AWL_LINE_BYTES bytes (or the line's length
   and its terminator, if more). For a line as the statement parser writes it, inserting and
   then removing gives back the same bytes. */
/* With showSymbols the operand becomes '-' and its symbol; without it a symbol in the line
   becomes the absolute operand again. With autoComment the entry's comment (when not empty) is
   written from column 52, cut after column 88, when that field is blank, or always with
   replaceOldComment. Returns 1 when the operand has a symbol; 0 when the line holds no
   operand, an operand without entry, an entry without symbol (its comment is still written),
   or an unknown symbol (then the line is unchanged). */
SYMTAB32_API int SymbolikInAwlZeileEinfuegen(char* line, int showSymbols, int autoComment,
                                             int replaceOldComment);
/* Replaces a symbol in the line by its absolute operand. 2: replaced; 1: the line holds no
   symbol (unchanged); 0: '-' in column 15 but no such symbol (unchanged). */
SYMTAB32_API int SymbolikInAwlZeileEntfernen(char* line);

#ifdef __cplusplus
}
#endif

#endif
