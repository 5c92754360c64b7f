#pragma once

// The texts of the printed solution, its PDF and the drawing saved as a picture. UTF-8.

namespace triangle::texts {

// At the foot of each printed page.
inline constexpr const char* PrintPageNumber = "Страница {page} от {pages}";
// The heading over the steps on paper.
inline constexpr const char* PrintStepsHeading = "Решение стъпка по стъпка:";
// The file dialogs: their titles, the files they offer and the names they start from.
inline constexpr const char* PrintPdfTitle = "Запази като PDF";
inline constexpr const char* PrintPdfFilter = "Документ PDF (*.pdf)";
inline constexpr const char* PrintPdfName = "решение.pdf";
inline constexpr const char* PrintPictureTitle = "Запази чертежа като картина";
inline constexpr const char* PrintPictureFilter = "Картина PNG (*.png)";
inline constexpr const char* PrintPictureName = "чертеж.png";
// Where the solution or the picture could not be written or printed; {path} the file.
inline constexpr const char* PrintFileFailed = "Файлът „{path}“ не можа да бъде записан.";
inline constexpr const char* PrintFailed = "Решението не можа да бъде отпечатано.";
// On Windows, a PDF is written by the system's own printer "Microsoft Print to PDF".
inline constexpr const char* PrintNoPdfPrinter =
    "Няма принтер „Microsoft Print to PDF“, затова решението не може да бъде запазено като "
    "PDF. Отпечатайте го с „Печат…“ на друг принтер.";
// Where there is no triangle, nothing to print or to save.
inline constexpr const char* PrintNothing = "Няма изчислен триъгълник, който да бъде отпечатан.";

} // namespace triangle::texts
