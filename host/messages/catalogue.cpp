// The Polish twin of every host message, help text and usage. Keys are the
// English texts as written where they are used; {1}, {2} ... stand for the
// parts filled in, in whatever order the Polish sentence needs them.
#include <string>
#include <unordered_map>

#include "host/messages/messages.h"

namespace wirsel::messages {

const char kSpellUsage[] =
    "Usage: wirsel spell [OPTION]... [FILE | WORD]...\n"
    "       wirsel-spell [OPTION]... [FILE]...\n"
    "Check Polish spelling as hunspell does, for editors and scripts.\n"
    "\n"
    "  -a            ispell pipe protocol on standard input (or the FILEs)\n"
    "  -l            print the misspelled words of the FILEs or standard input\n"
    "  -L            print the lines with misspelled words\n"
    "  -w            print the misspelled lines of one-word-a-line input\n"
    "  -G            print the correct words or lines instead (with -l, -L, -w)\n"
    "  -d DICT       dictionary: pl_PL, pl, polish, polski, or a son.dic path\n"
    "  -p FILE       user dictionary read and added to (default: user.dic in the\n"
    "                plug-in's folder, or the per-user data folder)\n"
    "  -i ENC        input encoding; only UTF-8 is supported\n"
    "  -t, -H, -X, -n  TeX/LaTeX, HTML, XML, nroff input: markup is not checked\n"
    "  -D            list the dictionaries (on standard error)\n"
    "  -v, -vv       version; -vv as ispell clients read it\n"
    "  -m, -B, -C, -S, -P  accepted for ispell clients, no effect\n"
    "  -h, --help    this help\n"
    "\n"
    "A FILE of - is standard input. Without -a, -l, -L, -w or -G, arguments are\n"
    "words, each answered with \"ok\" or its suggestions, and without arguments\n"
    "standard input is read as with -a.\n"
    "\n"
    "Exit status: 0 success, 1 a misspelled WORD argument, 2 an error. Listings\n"
    "(-l, -L, -w, -G) and the pipe end with 0 whatever they find, as hunspell's do.\n";

namespace {

struct Twin {
  const char* english;
  const char* polish;
};

constexpr Twin kTwins[] = {
    {"--lang must be en or pl, not \"{1}\"", "--lang musi być en albo pl, a nie „{1}”"},
    {"--tool must be content or item, not \"{1}\"",
     "--tool musi być content albo item, a nie „{1}”"},
    {"--select must be START:END with 0 <= START <= END, not \"{1}\"",
     "--select musi mieć postać POCZĄTEK:KONIEC, gdzie 0 <= POCZĄTEK <= KONIEC, a nie „{1}”"},
    {"--select needs a document whose current box is a text box",
     "--select wymaga dokumentu, którego bieżące pole jest polem tekstowym"},
    {"--select {1} is past the end of the story ({2} characters)",
     "--select {1} wychodzi poza koniec tekstu ({2} znaków)"},
    {"--in-place and -o exclude each other", "--in-place i -o wykluczają się"},
    {"--in-place needs a file, not standard input",
     "--in-place wymaga pliku, nie standardowego wejścia"},
    {"{1}: -o names the input file; use --in-place to write over it",
     "{1}: -o wskazuje plik wejściowy; aby go nadpisać, użyj --in-place"},
    {"standard input is worked on as a stream and written as text or TeX; --format {1} needs a "
     "file",
     "standardowe wejście jest przetwarzane jako strumień i zapisywane jako tekst lub TeX; "
     "--format {1} wymaga pliku"},
    {"standard input is read as plain text; give a {1} source as a file",
     "standardowe wejście jest czytane jako zwykły tekst; źródło {1} podaj jako plik"},
    {"--format must be text, tex, html, markdown or json, not \"{1}\"",
     "--format musi być text, tex, html, markdown albo json, a nie „{1}”"},
    {"--input-format must be txt, json, tex, html or markdown, not \"{1}\"",
     "--input-format musi być txt, json, tex, html albo markdown, a nie „{1}”"},
    {"nothing changed, nothing written", "nic się nie zmieniło, nic nie zapisano"},
    {"no text box or group to work on (\"{1}\" is not available)",
     "brak pola tekstowego lub grupy do przetworzenia (polecenie „{1}” jest niedostępne)"},
    {"{1}: a {2} source cannot be written as {3} (use --format {2}, txt, json or html)",
     "{1}: źródła {2} nie można zapisać jako {3} (użyj --format {2}, txt, json albo html)"},
    {"{1}: a {2} source cannot be written as {3} (use --format {2}, txt or json)",
     "{1}: źródła {2} nie można zapisać jako {3} (użyj --format {2}, txt albo json)"},
    {"{1}: only a Markdown source can be written as markdown",
     "{1}: jako markdown można zapisać tylko źródło Markdown"},
    {"{1}: the document has no text box to write as {2}",
     "{1}: dokument nie ma pola tekstowego, które można zapisać jako {2}"},
    {"file too large (over {1} MiB)", "plik za duży (ponad {1} MiB)"},
    {"standard input", "standardowe wejście"},
    {"standard output", "standardowe wyjście"},
    {"is a folder", "to folder"},
    {"cannot read: {1}", "nie można odczytać: {1}"},
    {"cannot write: {1}", "nie można zapisać: {1}"},
    {"cannot write: the folder does not exist", "nie można zapisać: folder nie istnieje"},
    {"standard output: cannot write: {1}", "standardowe wyjście: nie można zapisać: {1}"},
    {"(version unknown)", "(wersja nieznana)"},
    {"Run with --help for more information.", "Więcej informacji: --help."},
    {"invalid UTF-8: byte {1}", "niepoprawny UTF-8: bajt {1}"},
    {"invalid UTF-8: sequence cut short at the end of the file",
     "niepoprawny UTF-8: sekwencja urwana na końcu pliku"},
    {"text too long for one story", "tekst za długi na jeden tekst pola"},
    {"invalid UTF-8: encoded value out of range",
     "niepoprawny UTF-8: zakodowana wartość poza zakresem"},
    {"no menu item \"{1}\"", "nie ma polecenia menu „{1}”"},
    {"the menu item \"{1}\" is disabled", "polecenie menu „{1}” jest niedostępne"},
    {"cannot write {1}", "nie można zapisać {1}"},
    {"cannot write to standard output", "nie można pisać na standardowe wyjście"},
    {"cannot write the output", "nie można zapisać wyniku"},
    {"no XTensions folder at {1}", "nie ma folderu XTensions w {1}"},
    {"cannot read the XTensions folder {1}: {2}", "nie można odczytać folderu XTensions {1}: {2}"},
    {"no plug-in (*.so) in {1}", "brak wtyczki (*.so) w {1}"},
    {"compose needs FILE or --methods", "compose wymaga PLIKU albo --methods"},
    {"--width must be at least 2", "--width musi wynosić co najmniej 2"},
    {"compose needs a document whose current box is a text box",
     "compose wymaga dokumentu, którego bieżące pole jest polem tekstowym"},
    {"no hyphenation method for Polish is registered; words are not hyphenated",
     "nie zarejestrowano metody dzielenia wyrazów dla polskiego; wyrazy nie są dzielone"},
    {"the document has no text box to check", "dokument nie ma pola tekstowego do sprawdzenia"},
    {"{1}: cannot read the word list", "{1}: nie można odczytać listy słów"},
    {"--report-format must be text or json, not \"{1}\"",
     "--report-format musi być text albo json, a nie „{1}”"},
    {"cannot write the report {1}", "nie można zapisać raportu {1}"},
    {"standard input is proofed as a stream and written as text or TeX; --format {1} needs a file",
     "standardowe wejście jest sprawdzane jako strumień i zapisywane jako tekst lub TeX; --format "
     "{1} wymaga pliku"},
    {"--in-place and --output-dir exclude each other", "--in-place i --output-dir wykluczają się"},
    {"several files need --output-dir DIR or --in-place",
     "kilka plików wymaga --output-dir FOLDER albo --in-place"},
    {"- (standard input) cannot be one of several files",
     "- (standardowe wejście) nie może być jednym z kilku plików"},
    {"two files would be written to {1}; proof them apart",
     "dwa pliki zostałyby zapisane do {1}; sprawdź je osobno"},
    {"cannot make the folder {1}: {2}", "nie można utworzyć folderu {1}: {2}"},
    {"--format must be txt, tex, html, markdown or json, not \"{1}\"",
     "--format musi być txt, tex, html, markdown albo json, a nie „{1}”"},
    {"--hyph and --no-hyph exclude each other", "--hyph i --no-hyph wykluczają się"},
    {"-o names one output; for several files use --output-dir",
     "-o wskazuje jeden plik wyjściowy; dla kilku plików użyj --output-dir"},
    {"standard input is proofed as plain text; give a {1} source as a file",
     "standardowe wejście jest sprawdzane jako zwykły tekst; źródło {1} podaj jako plik"},
    {"{1}: cannot open the spelling dictionary: no such file, or it cannot be read",
     "{1}: nie można otworzyć słownika: nie ma takiego pliku albo nie można go odczytać"},
    {"{1}: not a complete spelling dictionary: its inflection tables are missing (code {2})",
     "{1}: niekompletny słownik: brak tablic odmiany (kod {2})"},
    {"{1}: not a spelling dictionary, or a damaged one (code {2}); rebuild son.dic or name another "
     "with -d",
     "{1}: to nie jest słownik albo jest uszkodzony (kod {2}); zbuduj son.dic na nowo albo wskaż "
     "inny przez -d"},
    {"{1}: neither a user dictionary nor a word list (one UTF-8 word a line); it is left as it is: "
     "name another with -p",
     "{1}: ani słownik użytkownika, ani lista słów (jedno słowo UTF-8 w wierszu); plik pozostaje "
     "bez zmian: wskaż inny przez -p"},
    {"{1}: cannot read the user dictionary", "{1}: nie można odczytać słownika użytkownika"},
    {"{1}: cannot create the user dictionary", "{1}: nie można utworzyć słownika użytkownika"},
    {"{1}: cannot load the user dictionary", "{1}: nie można wczytać słownika użytkownika"},
    {"cannot open the dictionary {1} (error {2}, {3})",
     "nie można otworzyć słownika {1} (błąd {2}, {3})"},
    {"{1}: cannot create the user dictionary; words cannot be added",
     "{1}: nie można utworzyć słownika użytkownika; nie da się dodawać słów"},
    {"no user dictionary to add \"{1}\" to",
     "brak słownika użytkownika, do którego można dodać „{1}”"},
    {"{1}: cannot save \"{2}\": {3}", "{1}: nie można zapisać „{2}”: {3}"},
    {"no folder for the user dictionary; name one with -p",
     "brak folderu na słownik użytkownika; wskaż słownik przez -p"},
    {"\"{1}\" cannot be stored: a word is letters (and hyphens), at most {2}",
     "nie można zapisać „{1}”: słowo to litery (i łączniki), najwyżej {2}"},
    {"{1}: cannot save the user dictionary: {2}; nothing was added",
     "{1}: nie można zapisać słownika użytkownika: {2}; nic nie dodano"},
    {"{1}: cannot save the word list: {2}", "{1}: nie można zapisać listy słów: {2}"},
    {"\"{1}\" is not in {2}", "„{1}” nie ma w {2}"},
    {"{1}: cannot save the user dictionary: {2}; \"{3}\" stays in it",
     "{1}: nie można zapisać słownika użytkownika: {2}; „{3}” w nim zostaje"},
    {"{1}: cannot save the word list: {2}; \"{3}\" stays in it",
     "{1}: nie można zapisać listy słów: {2}; „{3}” na niej zostaje"},
    {"{1}: neither a user dictionary nor a word list (one UTF-8 word a line)",
     "{1}: ani słownik użytkownika, ani lista słów (jedno słowo UTF-8 w wierszu)"},
    {"{1}: cannot read it", "{1}: nie można go odczytać"},
    {"{1}; checking without it", "{1}; sprawdzanie bez niego"},
    {"the typography pass is not available ({1}); only spelling is reported",
     "typografia jest niedostępna ({1}); zgłaszana jest tylko pisownia"},
    {"input ended inside a message", "wejście skończyło się w środku komunikatu"},
    {"cannot start worker processes: no scratch folder or no path of wirsel itself",
     "nie można uruchomić procesów roboczych: brak folderu roboczego albo ścieżki samego programu "
     "wirsel"},
    {"cannot start a worker for {1}: {2}", "nie można uruchomić procesu roboczego dla {1}: {2}"},
    {"Usage", "Użycie"},
    {"OPTIONS", "OPCJE"},
    {"SUBCOMMAND", "POLECENIE"},
    {"SUBCOMMANDS", "POLECENIA"},
    {"REQUIRED", "WYMAGANE"},
    {"Positionals", "Argumenty"},
    {"TEXT", "TEKST"},
    {"UINT", "LICZBA"},
    {"INT", "LICZBA"},
    {"FLOAT", "LICZBA"},
    {"Needs", "Wymaga"},
    {"Excludes", "Wyklucza"},
    {"Options", "Opcje"},
    {"Subcommands", "Polecenia"},
    {"unexpected arguments: {1}", "nieoczekiwane argumenty: {1}"},
    {"unexpected argument: {1}", "nieoczekiwany argument: {1}"},
    {"a command is required", "podaj polecenie"},
    {"{1} is required", "brak {1} (wymagane)"},
    {"{1}: a value is missing", "{1}: brak wartości"},
    {"{1}: a number is missing", "{1}: brak liczby"},
    {"not a valid value: {1}", "niepoprawna wartość: {1}"},
    {kSpellUsage,
     "Użycie: wirsel spell [OPCJA]... [PLIK | SŁOWO]...\n"
     "        wirsel-spell [OPCJA]... [PLIK]...\n"
     "Sprawdza polską pisownię tak jak hunspell, dla edytorów i skryptów.\n"
     "\n"
     "  -a            protokół potoku ispella na standardowym wejściu (albo w PLIKACH)\n"
     "  -l            wypisuje błędne słowa z PLIKÓW albo standardowego wejścia\n"
     "  -L            wypisuje wiersze z błędnymi słowami\n"
     "  -w            wypisuje błędne wiersze wejścia z jednym słowem w wierszu\n"
     "  -G            wypisuje zamiast tego poprawne słowa lub wiersze (z -l, -L, -w)\n"
     "  -d SŁOWNIK    słownik: pl_PL, pl, polish, polski albo ścieżka pliku son.dic\n"
     "  -p PLIK       słownik użytkownika, czytany i uzupełniany (domyślnie user.dic\n"
     "                w folderze wtyczki albo w folderze danych użytkownika)\n"
     "  -i KODOWANIE  kodowanie wejścia; obsługiwane jest tylko UTF-8\n"
     "  -t, -H, -X, -n  wejście TeX/LaTeX, HTML, XML, nroff: znaczniki nie są sprawdzane\n"
     "  -D            wypisuje słowniki (na standardowe wyjście błędów)\n"
     "  -v, -vv       wersja; -vv tak, jak czytają ją klienci ispella\n"
     "  -m, -B, -C, -S, -P  przyjmowane dla klientów ispella, bez skutku\n"
     "  -h, --help    ta pomoc\n"
     "\n"
     "PLIK - to standardowe wejście. Bez -a, -l, -L, -w i -G argumenty są słowami:\n"
     "na każde pada odpowiedź „ok” albo podpowiedzi, a bez argumentów standardowe\n"
     "wejście jest czytane jak z -a.\n"
     "\n"
     "Kod wyjścia: 0 sukces, 1 błędne SŁOWO w argumentach, 2 błąd. Wykazy\n"
     "(-l, -L, -w, -G) i potok kończą się kodem 0 bez względu na wynik, jak w hunspellu.\n"
     ""},
    {"option {1} needs a value", "opcja {1} wymaga wartości"},
    {"input encoding {1} is not supported: text must be UTF-8 (-i UTF-8); convert it first, for "
     "example with iconv -f {1} -t UTF-8",
     "kodowanie wejścia {1} nie jest obsługiwane: tekst musi być w UTF-8 (-i UTF-8); najpierw go "
     "przekoduj, na przykład przez iconv -f {1} -t UTF-8"},
    {"unknown option {1} (see wirsel spell --help)",
     "nieznana opcja {1} (zobacz wirsel spell --help)"},
    {"dictionary {1}: only one dictionary can be used (pl_PL)",
     "słownik {1}: można użyć tylko jednego słownika (pl_PL)"},
    {"no dictionary {1}: this program checks Polish; use -d pl_PL (or pl, polish, polski) or the "
     "path of a son.dic file",
     "nie ma słownika {1}: ten program sprawdza polszczyznę; użyj -d pl_PL (albo pl, polish, "
     "polski) lub ścieżki pliku son.dic"},
    {"{1}, line {2}: not valid UTF-8 (first bad byte at byte {3}); the words around the bad bytes "
     "are still checked. Send UTF-8 text.",
     "{1}, wiersz {2}: niepoprawny UTF-8 (pierwszy zły bajt na pozycji {3}); słowa wokół złych "
     "bajtów są nadal sprawdzane. Przesyłaj tekst w UTF-8."},
    {"no suggestions", "brak podpowiedzi"},
    {"Add the words of other dictionaries (binary or plain word lists), in one write",
     "Dodaje słowa innych słowników (binarnych lub list słów) jednym zapisem"},
    {"Add words", "Dodaje słowa"},
    {"Break the story into lines, hyphenating with the plug-in",
     "Łamie tekst na wiersze, dzieląc wyrazy wtyczką"},
    {"Characters per line, at least 2", "Znaków w wierszu, co najmniej 2"},
    {"Check Polish words as hunspell does (ispell pipe for editors)",
     "Sprawdza polskie słowa jak hunspell (potok ispella dla edytorów)"},
    {"Check every story of the document", "Sprawdza wszystkie teksty dokumentu"},
    {"Current tool: content or item", "Bieżące narzędzie: content (zawartość) albo item (obiekt)"},
    {"Dialog script that answers the plug-in's dialogs and message boxes",
     "Skrypt odpowiadający na okna dialogowe i komunikaty wtyczki"},
    {"Dictionaries to read", "Słowniki do wczytania"},
    {"Document: UTF-8 text, JSON (.json), LaTeX (.tex), HTML (.html, .htm) or Markdown (.md, "
     ".markdown)",
     "Dokument: tekst UTF-8, JSON (.json), LaTeX (.tex), HTML (.html, .htm) albo Markdown (.md, "
     ".markdown)"},
    {"Document: UTF-8 text, JSON (.json), LaTeX (.tex), HTML (.html, .htm) or Markdown (.md, "
     ".markdown); - reads text from standard input as a stream, a block of paragraphs at a time",
     "Dokument: tekst UTF-8, JSON (.json), LaTeX (.tex), HTML (.html, .htm) albo Markdown (.md, "
     ".markdown); - czyta tekst ze standardowego wejścia jako strumień, po kilka akapitów naraz"},
    {"Document: UTF-8 text, or JSON (.json)", "Dokument: tekst UTF-8 albo JSON (.json)"},
    {"Documents to open, each in front in turn",
     "Dokumenty do otwarcia, kolejno każdy na wierzchu"},
    {"Documents: UTF-8 text, JSON (.json), LaTeX (.tex), HTML (.html, .htm) or Markdown (.md, "
     ".markdown); - reads text from standard input as a stream",
     "Dokumenty: tekst UTF-8, JSON (.json), LaTeX (.tex), HTML (.html, .htm) albo Markdown (.md, "
     ".markdown); - czyta tekst ze standardowego wejścia jako strumień"},
    {"Hyphenate a LaTeX source too (written as \\-; off by default, as TeX hyphenates itself)",
     "Dzieli wyrazy także w źródle LaTeX-a (zapisując \\-; domyślnie wyłączone, bo TeX dzieli "
     "sam)"},
    {"Language of the plug-in and of messages: en or pl (default: pl under a Polish locale)",
     "Język wtyczki i komunikatów: en albo pl (domyślnie pl przy polskich ustawieniach "
     "regionalnych)"},
    {"Language server on standard input/output: spelling diagnostics and fixes for editors",
     "Serwer języka na standardowym wejściu i wyjściu: błędy pisowni i poprawki dla edytorów"},
    {"Leave out \"Hyphenate Box\"", "Pomija „Hyphenate Box” (dzielenie wyrazów)"},
    {"Leave out \"Typography In Box\"", "Pomija „Typography In Box” (typografię)"},
    {"Leave out the spelling report", "Pomija raport pisowni"},
    {"List the hyphenation methods the plug-ins describe instead",
     "Zamiast tego wypisuje metody dzielenia wyrazów opisane przez wtyczki"},
    {"List, add, remove, import or export user words",
     "Wypisuje, dodaje, usuwa, importuje lub eksportuje słowa użytkownika"},
    {"Menu item to choose, by its title (repeatable)",
     "Polecenie menu do wybrania, po nazwie (można powtarzać)"},
    {"Open a document, choose menu items, write the document",
     "Otwiera dokument, wybiera polecenia menu, zapisuje dokument"},
    {"Output: text, tex, html, markdown or json (default: FILE's own kind)",
     "Wynik: text, tex, html, markdown albo json (domyślnie rodzaj PLIKU)"},
    {"Print the host's and each plug-in's name and version",
     "Wypisuje nazwę i wersję programu i każdej wtyczki"},
    {"Print the menu bar after a menu update", "Wypisuje pasek menu po jego odświeżeniu"},
    {"Print the words, one a line", "Wypisuje słowa, po jednym w wierszu"},
    {"Print this help message and exit", "Wypisuje tę pomoc i kończy pracę"},
    {"Print words hyphenated by PLHYPH.DAT", "Wypisuje słowa podzielone według PLHYPH.DAT"},
    {"Read FILE as txt, json, tex, html or markdown (default: by its name)",
     "Czyta PLIK jako txt, json, tex, html albo markdown (domyślnie według nazwy)"},
    {"Remove discretionary hyphens from the current box (or the selection, or a group's boxes)",
     "Usuwa miękkie łączniki z bieżącego pola (albo z zaznaczenia, albo z pól grupy)"},
    {"Remove words", "Usuwa słowa"},
    {"Report lines: text (FILE:LINE:COLUMN: word -> suggestions) or json",
     "Wiersze raportu: text (PLIK:WIERSZ:KOLUMNA: słowo -> podpowiedzi) albo json"},
    {"Run the typography pass over a document's current box",
     "Poprawia typografię w bieżącym polu dokumentu"},
    {"Selection START:END in the story of the current box",
     "Zaznaczenie POCZĄTEK:KONIEC w tekście bieżącego pola"},
    {"Spell-check a story or document with the plug-in",
     "Sprawdza pisownię tekstu lub dokumentu wtyczką"},
    {"Threads that compute the suggestions of one document (default: one per core; one in "
     "each worker when there are several)",
     "Wątki obliczające podpowiedzi dla jednego dokumentu (domyślnie po jednym na rdzeń; "
     "po jednym w każdym procesie roboczym, gdy jest ich kilka)"},
    {"Typography, hyphenation and a spelling report for a whole document in one pass",
     "Typografia, dzielenie wyrazów i raport pisowni dla całego dokumentu za jednym razem"},
    {"User dictionary (binary or a plain word list; default: the plug-in's user.dic)",
     "Słownik użytkownika (binarny albo lista słów; domyślnie user.dic wtyczki)"},
    {"User dictionary: binary, or a plain word list (default: the plug-in's user.dic)",
     "Słownik użytkownika: binarny albo lista słów (domyślnie user.dic wtyczki)"},
    {"Where (default or -: standard output)", "Dokąd (domyślnie lub -: standardowe wyjście)"},
    {"Words (UTF-8)", "Słowa (UTF-8)"},
    {"Words to hyphenate (default: standard input)",
     "Słowa do podzielenia (domyślnie standardowe wejście)"},
    {"Worker processes for several files (default: one per core)",
     "Procesy robocze dla kilku plików (domyślnie po jednym na rdzeń)"},
    {"Write discretionary hyphens into the current box (or the selection, or a group's boxes)",
     "Wstawia miękkie łączniki do bieżącego pola (albo do zaznaczenia, albo do pól grupy)"},
    {"Write each document back over its FILE", "Zapisuje każdy dokument z powrotem do jego PLIKU"},
    {"Write each document into DIR under its own name",
     "Zapisuje każdy dokument w FOLDERZE pod jego nazwą"},
    {"Write the document back over FILE", "Zapisuje dokument z powrotem do PLIKU"},
    {"Write the document here (- or none: stdout)",
     "Tu zapisuje dokument (- lub brak: standardowe wyjście)"},
    {"Write the report to this file instead of standard error",
     "Zapisuje raport do tego pliku zamiast na standardowe wyjście błędów"},
    {"Write the words as a plain UTF-8 word list", "Zapisuje słowa jako listę słów UTF-8"},
    {"wirsel: a layout host that loads proofing plug-ins and runs their menu commands",
     "wirsel: program składu, który wczytuje wtyczki korektorskie i wykonuje ich polecenia menu"},
    {"Language of messages and help: en or pl (default: pl under a Polish locale)",
     "Język komunikatów i pomocy: en albo pl (domyślnie pl przy polskich ustawieniach "
     "regionalnych)"},
    {"invalid UTF-8: byte {1} followed by {2}", "niepoprawny UTF-8: bajt {1}, po nim {2}"},
    {"{1} cancelled (no terminal and no dialog script)",
     "{1} anulowano (brak terminala i skryptu okien)"},
    {"o = OK, c = Cancel, a letter = that item, a number = a list row, letter=text = type into "
     "that field",
     "o = OK, c = Anuluj, litera = ten element, liczba = wiersz listy, litera=tekst = wpisanie "
     "tekstu w to pole"},
    {"this dialog has no list", "to okno nie ma listy"},
    {"no item has the key {1}", "żaden element nie ma klawisza {1}"},
    {"text: ", "tekst: "},
    {"a text", "tekst"},
    {"an edit field", "pole edycji"},
    {"a check box", "pole wyboru"},
    {"a radio button", "przycisk opcji"},
    {"a button", "przycisk"},
    {"a list", "lista"},
    {"an item", "element"},
    {"item {1} is disabled", "element {1} jest nieaktywny"},
    {"item {1} is {2}, which cannot be clicked", "element {1} to {2}, którego nie można kliknąć"},
    {"item {1} is {2}, not an edit field", "element {1} to {2}, a nie pole edycji"},
    {"item {1} is {2}, not a check box", "element {1} to {2}, a nie pole wyboru"},
    {"a radio button is unchecked by checking another",
     "przycisk opcji odznacza się, zaznaczając inny"},
    {"item {1} is {2}, not a list", "element {1} to {2}, a nie lista"},
    {"list {1} has no row {2}", "lista {1} nie ma wiersza {2}"},
    {"the dialog has no OK button (item 1)", "okno nie ma przycisku OK (element 1)"},
    {"dialog \"{1}\" ({2})", "okno „{1}” ({2})"},
    {"unterminated quotation", "niezamknięty cudzysłów"},
    {"{1}: cannot read the dialog script", "{1}: nie można odczytać skryptu okien"},
    {"line too long", "wiersz za długi"},
    {"unknown action \"{1}\"", "nieznana czynność „{1}”"},
    {"\"{1}\" takes {2} argument(s), quote a text with blanks",
     "„{1}” przyjmuje argumentów: {2}; tekst ze spacjami ujmij w cudzysłów"},
    {"this and later lines were never used", "ten i dalsze wiersze nie zostały użyte"},
    {"expects dialog \"{1}\" but {2} opened", "oczekiwano okna „{1}”, a otworzyło się {2}"},
    {"no script line left for {1}", "brak wiersza skryptu dla: {1}"},
    {"message box \"{1}\"", "komunikat „{1}”"},
    {"expects \"{1}\" in {2}", "oczekiwano „{1}” w: {2}"},
    {"\"{1}\" cannot answer {2}", "„{1}” nie może odpowiedzieć na: {2}"},
    {"{1} has no button \"{2}\"", "{1}: brak przycisku „{2}”"},
    {"\"{1}\" cannot act on {2}, which is still open",
     "„{1}” nie może działać na: {2}, bo jest nadal otwarte"},
    {"{1} has no item \"{2}\"", "{1}: brak elementu „{2}”"},
    {"broken JSON: {1}", "zepsuty JSON: {1}"},
    {"a number out of range (beyond what a double can hold)",
     "liczba spoza zakresu (większa, niż mieści typ double)"},
    {"unknown format version (this reader knows {1})",
     "nieznana wersja formatu (ten czytnik zna {1})"},
    {"box {1} is in a group that is never placed",
     "pole {1} należy do grupy, która nigdzie nie jest umieszczona"},
    {"expected a number from {1} to {2}", "oczekiwano liczby od {1} do {2}"},
    {"box {1} is placed twice (also at {2})", "pole {1} jest umieszczone dwa razy (także w {2})"},
    {"box id {1} is used twice", "identyfikator pola {1} użyty dwa razy"},
    {"story id {1} is used twice", "identyfikator tekstu {1} użyty dwa razy"},
    {"no box with id {1}", "nie ma pola o identyfikatorze {1}"},
    {"box {1} is no text box", "pole {1} nie jest polem tekstowym"},
    {"box {1} already shows another story", "pole {1} pokazuje już inny tekst"},
    {"box {1} is placed nowhere (no spread, group or anchor)",
     "pole {1} nie jest nigdzie umieszczone (ani na rozkładówce, ani w grupie, ani w "
     "zakotwiczeniu)"},
    {"groups nested more than {1} deep", "grupy zagnieżdżone głębiej niż {1}"},
    {"more paragraph entries than the text has paragraphs ({1})",
     "więcej wpisów akapitów, niż tekst ma akapitów ({1})"},
    {"a group needs \"items\"", "grupa wymaga „items”"},
    {"only a group has \"items\"", "tylko grupa ma „items”"},
    {"\"wirsel\" (the format version) is missing", "brak „wirsel” (wersji formatu)"},
    {"a box needs a \"kind\" text", "pole wymaga tekstu „kind”"},
    {"a box needs an \"id\"", "pole wymaga „id”"},
    {"a document must be a JSON object", "dokument musi być obiektem JSON"},
    {"a document needs at least one H&J specification",
     "dokument wymaga co najmniej jednej specyfikacji H&J"},
    {"a group cannot be anchored in a story", "grupy nie można zakotwiczyć w tekście"},
    {"a run is [start, end, value]", "przebieg to [początek, koniec, wartość]"},
    {"a selection is [start, end]", "zaznaczenie to [początek, koniec]"},
    {"a story needs \"boxes\" (its chain)", "tekst wymaga „boxes” (swojego łańcucha pól)"},
    {"a story needs an \"id\"", "tekst wymaga „id”"},
    {"a story needs at least one box", "tekst wymaga co najmniej jednego pola"},
    {"an H&J specification needs a \"name\" text", "specyfikacja H&J wymaga tekstu „name”"},
    {"an anchor needs a \"position\"", "zakotwiczenie wymaga „position”"},
    {"expected a whole number", "oczekiwano liczby całkowitej"},
    {"expected an array", "oczekiwano tablicy"},
    {"expected an object", "oczekiwano obiektu"},
    {"tool must be \"content\" or \"item\"", "tool musi być „content” albo „item”"},
    {"expected true or false", "oczekiwano true albo false"},
    {"a group needs at least one item", "grupa wymaga co najmniej jednego elementu"},
    {"kind must be \"text\", \"picture\" or \"group\"",
     "kind musi być „text”, „picture” albo „group”"},
    {"an anchor needs a \"box\"", "zakotwiczenie wymaga „box”"},
    {"bounds are four numbers: x, y, width, height",
     "bounds to cztery liczby: x, y, szerokość, wysokość"},
    {"expected a text", "oczekiwano tekstu"},
    {"attributes need a \"kind\" and \"runs\"", "atrybuty wymagają „kind” i „runs”"},
    {"an anchor must sit on an anchor character (U+FFFC) of the text",
     "zakotwiczenie musi stać na znaku zakotwiczenia (U+FFFC) w tekście"},
    {"two boxes are anchored at one position", "dwa pola są zakotwiczone w jednym miejscu"},
};

}  // namespace

const char* PolishTwin(std::string_view english) {
  static const auto* twins = [] {
    auto* map = new std::unordered_map<std::string_view, const char*>;
    for (const Twin& twin : kTwins) map->emplace(twin.english, twin.polish);
    return map;
  }();
  const auto found = twins->find(english);
  return found == twins->end() ? nullptr : found->second;
}

std::vector<std::pair<std::string_view, std::string_view>> AllTwins() {
  std::vector<std::pair<std::string_view, std::string_view>> all;
  for (const Twin& twin : kTwins) all.emplace_back(twin.english, twin.polish);
  return all;
}

}  // namespace wirsel::messages
