// The programs of the build for the browser see node's environment, as
// native programs see theirs (TMPDIR, HOME, the test framework's variables).
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  for (var name in process.env) ENV[name] = process.env[name];
});
