// Programs node runs see the environment they were started in, as a native
// program does (emscripten would give them a made-up one).
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Object.assign(ENV, process.env);
});
