#include "frontend/BookMessages.h"

#include <iostream>

#include "frontend/BookFile.h"
#include "state/Game.h"

namespace krepogor {

void TellBookUnreadable(Game& g, const std::string& reason, bool afterVictory) {
    std::cerr << "krepogor: книга чемпионов не читается: " << reason << '\n';
    const std::string path = BookFilePath(g);
    const std::string text = afterVictory ? "Не удалось прочитать книгу чемпионов «" + path +
                                                "», поэтому ваш результат в неё не записан."
                                          : "Не удалось прочитать книгу чемпионов «" + path + "».";
    g.sys.dialogs.MsgBox(text, kBookBoxTitle, MsgButtons::OK);
}

void TellNotABook(Game& g, const std::string& reason) {
    std::cerr << "krepogor: книга чемпионов оставлена как есть: " << reason << '\n';
    g.sys.dialogs.MsgBox("Файл «" + BookFilePath(g) +
                             "» — не книга чемпионов, и игра его не меняет; ваш результат "
                             "не записан.",
                         kBookBoxTitle, MsgButtons::OK);
}

void TellBookNotKept(Game& g) {
    std::cerr << "krepogor: победа не записана в книгу: " << g.sys.bookNotKept << '\n';
    g.sys.dialogs.MsgBox("Ваш результат негде сохранить: " + g.sys.bookNotKept + ".", kBookBoxTitle,
                         MsgButtons::OK);
}

void TellBookNotSaved(Game& g, const std::string& reason) {
    std::cerr << "krepogor: книга чемпионов не сохранена: " << reason << '\n';
    g.sys.dialogs.MsgBox("Не удалось сохранить книгу чемпионов «" + BookFilePath(g) +
                             "», и ваш результат в неё не записан.",
                         kBookBoxTitle, MsgButtons::OK);
}

}  // namespace krepogor
