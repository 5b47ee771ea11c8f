// The page's downloads (krepogor.html; krepogor.js runs this first, in the
// scope of emscripten's Module and FS). The WebAssembly and the start's data
// package (the pictures, the book, the fonts) are fetched at once and counted
// down in the loading bar with the size left (krepogor.json, written by the
// build, tells their sizes); the data go where an installed game keeps them
// before the program starts. The sounds' package and then the music's are
// fetched once the main menu shows (page.fetchLate): the game plays each
// sound and starts each track once its file is there.
(function () {
  'use strict';
  const page = (Module.page = Module.page || {});
  const $ = (id) => document.getElementById(id);
  const received = {};

  function checked(response) {
    if (!response.ok) throw new Error(`${response.url}: ${response.status} ${response.statusText}`);
    return response;
  }

  // The response again, its bytes counted under `name` as they come.
  function counted(response, name, type) {
    const reader = response.body.getReader();
    received[name] = 0;
    const body = new ReadableStream({
      async pull(controller) {
        const { done, value } = await reader.read();
        if (done) {
          controller.close();
          return;
        }
        received[name] += value.byteLength;
        page.onProgress();
        controller.enqueue(value);
      },
    });
    return new Response(body, { headers: { 'Content-Type': type } });
  }

  // The program's WebAssembly is named as its script is (krepogor.js: krepogor.wasm).
  const script = document.currentScript ? document.currentScript.src : 'krepogor.js';
  const wasmName = script.slice(script.lastIndexOf('/') + 1).replace(/\.js([?#].*)?$/, '.wasm');
  const manifest = fetch('krepogor.json', { cache: 'no-cache' }).then(checked).then((r) => r.json());
  const download = (name) =>
    fetch(name).then(checked).then((r) => counted(r, name, 'application/octet-stream').arrayBuffer());

  // Megabytes as the player reads them: "2,4 МБ".
  page.megabytes = (bytes) => `${(bytes / 1048576).toFixed(1).replace('.', ',')} МБ`;

  // Bytes still to come of `names`, once their sizes are known.
  function left(sizes, names) {
    let total = 0;
    let done = 0;
    for (const name of names) {
      if (!sizes[name]) continue;
      total += sizes[name];
      done += Math.min(received[name] || 0, sizes[name]);
    }
    return { total, left: total - done };
  }

  let sizes = null;
  const start = [wasmName, 'krepogor.data'];
  const late = ['krepogor-sounds.data', 'krepogor-music.data'];
  page.onProgress = () => {
    if (!sizes) return;
    const now = left(sizes, start);
    $('progress').value = now.total ? (now.total - now.left) / now.total : 0;
    $('loading-text').textContent =
      now.left > 0 ? `Загрузка: осталось ${page.megabytes(now.left)}` : 'Запуск…';
    if (page.onLateProgress) page.onLateProgress(left(sizes, late).left);
  };
  manifest.then((m) => {
    sizes = {};
    for (const name of Object.keys(m)) sizes[name] = typeof m[name] === 'number' ? m[name] : m[name].size;
    page.onProgress();
  }, page.failLoading);

  // Writes a package's files into the program's file system.
  function unpack(index, buffer) {
    const bytes = new Uint8Array(buffer);
    for (const file of index.files) {
      const path = file[0];
      FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
      FS.writeFile(path, bytes.subarray(file[1], file[2]));
    }
  }
  const fetchPackage = (name) =>
    Promise.all([manifest, download(name)]).then((got) => ({ index: got[0][name], buffer: got[1] }));

  // The WebAssembly is compiled as it arrives.
  const program = fetch(wasmName)
    .then(checked)
    .then((r) => WebAssembly.compileStreaming(counted(r, wasmName, 'application/wasm')));
  Module.instantiateWasm = (imports, done) => {
    program
      .then((module) => WebAssembly.instantiate(module, imports).then((i) => done(i, module)))
      .catch(page.failLoading);
    return {};
  };

  const data = fetchPackage('krepogor.data');
  Module.preRun = (Module.preRun || []).concat(() => {
    addRunDependency('krepogor.data');
    data.then(({ index, buffer }) => {
      unpack(index, buffer);
      removeRunDependency('krepogor.data');
    }, page.failLoading);
  });

  // The sounds, then the music, once the game shows; resolves when their
  // files are in place.
  page.fetchLate = async () => {
    for (const name of late) {
      const { index, buffer } = await fetchPackage(name);
      unpack(index, buffer);
    }
  };
})();
