// utilkit40: string, file, date/time and S5 value-format utilities.
//
// Contents
//   1. S5 value formatters      U_WordToKZStr ... U_FloatToKGStr
//   2. Strings                  comparison, blanks, copying, cutting, searching, numbers in text
//   3. S7-style comments        "//" outside quoted literals
//   4. Names                    jump labels, variables, symbols
//   5. S7 block names           U_GetBausteinStrTypNr, U_ByteBitAdresseVonParamStr
//   6. Files and directories    paths, existence, copying, deleting
//   7. Numbers, words, time     number texts in static buffers, byte swapping, date and time
//
// Every string is 8-bit Windows-1252 text, zero-terminated. Functions that change a string work in
// place in the caller's buffer and return it. Boolean results are one byte, nonzero for true.
// No function shows a message or throws: failure is the result (0, null) or a flag argument.
// Paths take '/' as the separator; '\' is accepted as one too, so that names written for the
// original platform keep working. Existing files are found whatever the case of their name.
#ifndef UTILKIT_UTILKIT40_H
#define UTILKIT_UTILKIT40_H

#include <stdint.h>

#if defined(UTILKIT40_BUILD)
#define UTILKIT40_API __attribute__((visibility("default")))
#else
#define UTILKIT40_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Room a caller gives to a path that a function writes (U_VerzeichnisTotalLoeschen). */
#define U_MAX_PATH 260

/* 1. S5 value formatters: the one text form of every S5 format in the system. ---------------- */
UTILKIT40_API char* U_WordToKZStr(char* dest, unsigned short value);    /* "%03d" of bits 0..9 */
UTILKIT40_API char* U_WordToKZStrBCD(char* dest, unsigned short value); /* three BCD nibbles */
UTILKIT40_API char* U_WordToKTStr(char* dest, unsigned short value);    /* binary value, base */
UTILKIT40_API char* U_WordToKTStrBCD(char* dest, unsigned short value); /* BCD value, base */
UTILKIT40_API char* U_WordToKFStr(char* dest, unsigned short value);    /* signed, 7 wide */
UTILKIT40_API char* U_LongToDFStr(char* dest, int32_t value);           /* signed, 11 wide */
/* A byte outside 32..175 (and not 225) shows as '.' and sets *nonPrintable (may be null). */
UTILKIT40_API char* U_WordToKCStr(char* dest, unsigned short value, unsigned char* nonPrintable);
UTILKIT40_API char* U_WordToKYStr(char* dest, unsigned short value);
UTILKIT40_API char* U_WordToKHStr(char* dest, unsigned short value);
UTILKIT40_API char* U_WordToKHStr32(char* dest, uint32_t value);
UTILKIT40_API char* U_WordToKMStr16(char* dest, unsigned short value);
UTILKIT40_API char* U_WordToKMStr9(char* dest, unsigned short value);
UTILKIT40_API char* U_WordToKMStr8(char* dest, unsigned char value);
UTILKIT40_API char* U_FloatToKGStr(char* dest, float value); /* "%2.2f" */

/* 2. Strings ------------------------------------------------------------------------------- */
/* True when the first `length` characters agree; length -1 takes the pattern's length. */
UTILKIT40_API unsigned char U_StringVergleich(const char* text, const char* pattern, short length);
UTILKIT40_API unsigned char U_StringVergleichrossKlein(const char* a, const char* b);
UTILKIT40_API short U_StringVergleichGroesserKleiner(const char* a, const char* b);
UTILKIT40_API char* U_LeerzeichenAmEndeEntfernen(char* s);
UTILKIT40_API char* U_LeerzeichenAmAnfangEntfernen(char* s);
UTILKIT40_API char* U_LeerzeichenAmAnfangUndEndeEntfernen(char* s);
UTILKIT40_API char* U_LeerzeichenEntfernen(char* s);
UTILKIT40_API unsigned char U_LeerzeichenEnthalten(const char* s);
UTILKIT40_API char* U_LeerzeichenAnhaengen(char* s, short length);
UTILKIT40_API char* U_strcat(char* dest, const char* src, short size);
UTILKIT40_API char* U_strcpyStartCount(char* dest, const char* src, short start, short count);
UTILKIT40_API char* U_strcpyUpcase(char* dest, const char* src);
UTILKIT40_API char* U_strcpyOhneLeerzeichen(char* dest, const char* src);
UTILKIT40_API char* U_InsertString(char* s, const char* insertion, short position);
UTILKIT40_API char* U_DeleteSubString(char* s, short position, short count);
/* The text form of U_DeleteSubString: the first occurrence of `sub` removed. */
UTILKIT40_API char* U_DeleteSubStringText(char* s, const char* sub);
UTILKIT40_API char* U_StringLinksVerschieben(char* s, short n);
UTILKIT40_API char* U_StringTerminierenAbZeichen(char* s, char c);
UTILKIT40_API char* U_ZeichenAusStringEntfernen(char* s, char c1, char c2, char c3, char c4);
UTILKIT40_API short U_AnzahlZeichenImString(const char* s, char c);
UTILKIT40_API short U_GetAnzahlTokenInString(const char* s, char c);
UTILKIT40_API char* U_strcpyBisLeerzeichen(char* dest, const char* src);
UTILKIT40_API char* U_strcpyBisZiffer(char* dest, const char* src);
/* Copy up to the first of five stop characters; 0 marks an unused slot. */
UTILKIT40_API char* U_strcpyBisToken(char* dest, const char* src, char t1, char t2, char t3,
                                     char t4, char t5);
UTILKIT40_API char* U_strcpyBisToken_TokenImStringIgnorieren(char* dest, const char* src, char t1,
                                                             char t2, char t3, char t4, char t5);
UTILKIT40_API char* U_strcpyBisS7Begrenzung(char* dest, const char* src);
UTILKIT40_API char* U_strcpyNachToken(char* dest, const char* src, char c);
/* The word after the first `c` (blanks skipped); null when `c` is absent. */
UTILKIT40_API char* U_GetWortNachToken(char* dest, const char* src, char c);
UTILKIT40_API char* U_NewLineEntfernen(char* s);
UTILKIT40_API char* U_DezimalZahlAmEndeEntfernen(char* s);
UTILKIT40_API int32_t U_GetZahlAusString(const char* s, unsigned char* found);
UTILKIT40_API unsigned char U_IsDezimalZahl(const char* s);
UTILKIT40_API unsigned char U_GetRealZahlAusString(const char* text, float max, float minFraction,
                                                   float min, float maxNegativeFraction,
                                                   float* value);
UTILKIT40_API char U_UpcaseChar(char c);
UTILKIT40_API char* U_UpcaseString(char* s);

/* 3. S7-style comments: "//" outside text in single or double quotes. ----------------------- */
UTILKIT40_API char* U_strcpyBisKommentar(char* dest, const char* line);
UTILKIT40_API const char* U_strstrKommentar(const char* line);
UTILKIT40_API const char* U_StringVorhandenUndNichtAuskommentiert(const char* line,
                                                                  const char* pattern);
UTILKIT40_API char* U_GetKommentarStrAusZeile(char* dest, const char* line);

/* 4. Names --------------------------------------------------------------------------------- */
/* True when `c` is NOT a character of an identifier (digit, letter, '_'). */
UTILKIT40_API unsigned char U_GueltigesZeichenBezeichner(char c);
UTILKIT40_API unsigned char U_MarkenNameOK(const char* name);
UTILKIT40_API unsigned char U_VarNameOK(const char* name);
UTILKIT40_API unsigned char U_SymbolNameOK(const char* name);

/* 5. S7 block names and operand addresses -------------------------------------------------- */
UTILKIT40_API char* U_GetBausteinStrTypNr(char* dest, unsigned short type, unsigned short number,
                                          unsigned char padded);
/* Reads "FB12", "SFC4", ...; an unknown name sets *type to 0. Null outputs are skipped.
   The result is true when the type was known. */
UTILKIT40_API unsigned char U_GetKennungAusBausteinStrOhneLeerz(const char* name,
                                                                unsigned short* type,
                                                                unsigned short* number);
UTILKIT40_API unsigned char U_ByteBitAdresseVonParamStr(const char* text, unsigned short* address,
                                                        unsigned char* bit, unsigned char* width);

/* 6. Files and directories ----------------------------------------------------------------- */
UTILKIT40_API char* U_FilenameVonPfadEntfernen(char* dest, const char* path);
UTILKIT40_API char* U_GetFilenameVonPfad(char* dest, const char* path);
UTILKIT40_API char* U_GetDateiEndung(char* dest, const char* path);
UTILKIT40_API char* U_DateiEndungEntfernen(char* path);
UTILKIT40_API char* U_DateiEndungAendern(char* path, const char* extension);
UTILKIT40_API unsigned char U_DateiVorhanden(const char* name);
UTILKIT40_API unsigned char U_VerzeichnisVorhanden(const char* path);
UTILKIT40_API unsigned char U_DateiLoeschen(const char* name);
UTILKIT40_API uint32_t U_GetFileSizeBytes(const char* name);
UTILKIT40_API short U_GetAnzahlDateienImPfad(const char* directory, const char* extension);
UTILKIT40_API unsigned char U_IstVerzeichnisSchreibgeschuetzt(const char* directory);
UTILKIT40_API unsigned char U_DateiKopieren(const char* target, const char* source);
UTILKIT40_API unsigned char U_DateienMitUnterverzeichnissenKopieren(const char* target,
                                                                    const char* source,
                                                                    unsigned char nested);
/* `path` (U_MAX_PATH bytes, may be null) receives the directory being removed. */
UTILKIT40_API unsigned char U_VerzeichnisTotalLoeschen(const char* directory, unsigned char nested,
                                                       char* path);
UTILKIT40_API unsigned char U_StringAmAnfangEinerDateiEinfuegen(const char* file, const char* text);
UTILKIT40_API uint32_t U_GetFreierSpeicherAufLW(char drive, unsigned char* flag);

/* 7. Numbers, words, time ------------------------------------------------------------------ */
/* Each returns its own static buffer, valid until the next call of the same function. */
UTILKIT40_API char* U_DWORDToStr(uint32_t value);
UTILKIT40_API char* U_BYTEToStr(unsigned char value);
UTILKIT40_API char* U_WORDToStr(unsigned short value);
UTILKIT40_API char* U_INT16ToStr(short value);
UTILKIT40_API char* U_FloatToStr(float value);
UTILKIT40_API uint32_t U_MakeGeradeZahl(uint32_t n);
UTILKIT40_API unsigned short U_HiLoVertauschen(unsigned short value);
UTILKIT40_API void U_WordArrayHiLoVertauschen(unsigned short* words, uint32_t count);
UTILKIT40_API uint32_t U_HiLoVertauschenLong(uint32_t value);
UTILKIT40_API void U_MyDelay(uint32_t milliseconds);
UTILKIT40_API void U_GetAktuellesSystemDatum(unsigned short* day, unsigned short* month,
                                             unsigned short* year);
UTILKIT40_API char* U_GetAktuellesSystemDatumStr(char* dest);
UTILKIT40_API void U_GetAktuelleSystemZeit(unsigned short* hour, unsigned short* minute,
                                           unsigned short* second, unsigned short* hundredths);
UTILKIT40_API char* U_GetAktuelleSystemZeitStr(char* dest);
UTILKIT40_API void U_GetSystemZeit(uint32_t* hour, uint32_t* minute, uint32_t* second);
UTILKIT40_API void U_GetSystemDatum(uint32_t* day, uint32_t* month, uint32_t* year);

#ifdef __cplusplus
}

/* The text form under its own name for C++ callers. */
inline char* U_DeleteSubString(char* s, const char* sub) {
  return U_DeleteSubStringText(s, sub);
}
#endif

#endif
