// The player's files in the page (krepogor.html; krepogor.js runs this
// first, in the scope of emscripten's Module, FS and IDBFS). The game keeps
// them where it keeps them on Linux, under the player's home: the champions'
// book in ~/.local/share/krepogor/tables/table.dat, the settings in
// ~/.config/krepogor/settings.ini, the last runs in ~/.local/share/krepogor/
// replays. That home lives in the browser's IndexedDB: it is loaded before
// the program starts, and every save of the game's own writes it back at
// once (its fsync, which under ASYNCIFY waits for IndexedDB).
//
// One tab plays at a time (the browser's Web Locks): two tabs of the page
// would each hold their own copy of the book, and the last to save would
// undo the other's row. A second tab says so and starts when the first one
// goes. The book is exported as the file the desktop game keeps (table.dat)
// and imported when the game's own rules find it a book.
(function () {
  'use strict';
  const page = (Module.page = Module.page || {});
  const $ = (id) => document.getElementById(id);
  // The program's home: emscripten's HOME.
  const home = '/home/web_user';

  // Resolves when this tab may play; the lock is the tab's until it closes.
  function onePlayingTab() {
    if (!navigator.locks) return Promise.resolve();  // no Web Locks: a page served without https
    return new Promise((granted) => {
      const hold = () => {
        granted();
        return new Promise(() => {});
      };
      navigator.locks.request('krepogor-player-files', { ifAvailable: true }, (lock) => {
        if (lock) return hold();
        page.cover('waiting');
        return navigator.locks.request('krepogor-player-files', () => {
          page.cover('loading');
          return hold();
        });
      });
    });
  }

  function loadPlayerFiles() {
    return new Promise((done) => {
      try {
        FS.mount(IDBFS, {}, home);
      } catch (e) {
        page.status(`Браузер не даёт хранить файлы игры (${e}): книга чемпионов пропадёт, когда страницу закроют.`, true);
        done();
        return;
      }
      FS.syncfs(true, (error) => {
        if (error)
          page.status(`Браузер не отдал сохранённые файлы игры (${error}): книга чемпионов начнётся заново.`, true);
        done();
      });
    });
  }

  Module.preRun = (Module.preRun || []).concat(() => {
    addRunDependency('player-files');
    onePlayingTab()
      .then(loadPlayerFiles)
      .then(() => removeRunDependency('player-files'));
  });

  // Writes the home back to IndexedDB: one write at a time, and one more for
  // what changed meanwhile. page.filesKept resolves once all is written.
  let writing = null;
  let again = false;
  function keep() {
    if (writing) {
      again = true;
      return;
    }
    writing = new Promise((written) =>
      FS.syncfs(false, (error) => {
        if (error) page.status(`Браузер не сохранил книгу чемпионов: ${error}.`, true);
        written();
      }),
    ).then(() => {
      writing = null;
      if (again) {
        again = false;
        keep();
      }
    });
  }
  page.filesKept = async () => {
    while (writing) await writing;
  };

  // The browser may clear a site's data when space runs short, unless the
  // site's storage is persistent: asked once the game shows.
  page.askToKeep = () => {
    if (navigator.storage && navigator.storage.persist)
      navigator.storage.persist().then((granted) => (page.persisted = granted), () => {});
  };

  // The book as a download: the file the desktop game keeps.
  function exportBook() {
    const path = UTF8ToString(_krepogor_book_path());
    let bytes;
    try {
      bytes = FS.readFile(path);
    } catch (e) {
      page.status('Книги чемпионов ещё нет: она появится после первой победы.', true);
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'table.dat';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    page.status('Книга чемпионов сохранена в файл table.dat.');
  }

  // A book the player hands over: the game's own rules say whether it is
  // one; it replaces the book as the game's saves do, through a fresh file
  // beside it (one of the game's names for them, which its next save clears
  // away should this one be cut short) renamed over it.
  async function importBook(file) {
    // A book holds 130 bytes at most: a byte more is enough to refuse a longer file.
    const bytes = new Uint8Array(await file.slice(0, 131).arrayBuffer());
    const at = _malloc(Math.max(bytes.length, 1));
    HEAPU8.set(bytes, at);
    const why = UTF8ToString(_krepogor_book_refusal(at, bytes.length));
    _free(at);
    if (why) {
      page.status(`Файл «${file.name}» — не книга чемпионов: ${why}.`, true);
      return;
    }
    const path = UTF8ToString(_krepogor_book_path());
    const folder = path.slice(0, path.lastIndexOf('/'));
    const name = path.slice(folder.length + 1);
    const fresh = `${folder}/.${name}.${Date.now().toString(16).padStart(12, '0').slice(-12)}`;
    try {
      FS.mkdirTree(folder);
      FS.writeFile(fresh, bytes);
      FS.rename(fresh, path);
    } catch (e) {
      try {
        FS.unlink(fresh);
      } catch (gone) {
        // nothing was made
      }
      page.status(`Книга чемпионов не загружена: ${e}.`, true);
      return;
    }
    keep();
    page.status(`Книга чемпионов загружена из файла «${file.name}».`);
  }

  page.onButton('export', exportBook);
  page.onButton('import', () => $('import-file').click());
  $('import-file').addEventListener('change', () => {
    const file = $('import-file').files[0];
    $('import-file').value = '';
    if (file) importBook(file);
  });
})();
