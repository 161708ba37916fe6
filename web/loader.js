// createQismaru(options): a Promise of the module, whose answer(line, flags)
// is the line qismaru-calc --batch writes for `line`. Over http the module's
// code comes from qismaru.wasm beside this script; a page opened from disk
// (file://) may not fetch it, so there the same bytes come from
// qismaru.wasm.js, a script, which a page may load from anywhere.
var createQismaru = (function () {
  'use strict';
  var scriptUrl = typeof document !== 'undefined' && document.currentScript ? document.currentScript.src : '';
  var fromDisk = scriptUrl.indexOf('file:') === 0;

  function loadWasmScript() {
    return new Promise(function (resolve, reject) {
      var script = document.createElement('script');
      script.src = new URL('qismaru.wasm.js', scriptUrl).href;
      script.onload = function () {
        var base64 = self.qismaruWasmBase64;
        delete self.qismaruWasmBase64;
        // The browser decodes a data: address natively, faster than a loop.
        resolve(
          fetch('data:application/wasm;base64,' + base64)
            .then(function (response) {
              return response.arrayBuffer();
            })
            .catch(function () {
              var text = atob(base64);
              var bytes = new Uint8Array(text.length);
              for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
              return bytes.buffer;
            })
        );
      };
      script.onerror = function () {
        reject(new Error('cannot load ' + script.src));
      };
      document.head.appendChild(script);
    });
  }

  // The module's code, compiled as it arrives (over http) and while the
  // page's scripts, styles and fonts load: begun as soon as this script runs.
  function compile() {
    if (fromDisk) return loadWasmScript().then(WebAssembly.compile);
    var address = new URL('qismaru.wasm', scriptUrl).href;
    var fetched = function () {
      return fetch(address, { credentials: 'same-origin' });
    };
    // A host that does not send it as application/wasm cannot stream it.
    return WebAssembly.compileStreaming(fetched()).catch(function () {
      return fetched()
        .then(function (response) {
          return response.arrayBuffer();
        })
        .then(WebAssembly.compile);
    });
  }

  var compiled = null;
  if (scriptUrl) {
    compiled = compile();
    // A failure is told when the page asks for the module (createQismaru).
    compiled.catch(function () {});
  }

  return function createQismaru(options) {
    var settings = Object.assign({}, options);
    if (!compiled || settings.wasmBinary || settings.instantiateWasm) return qismaruModule(settings);
    var failure = null;
    var failed = new Promise(function (resolve, reject) {
      failure = reject;
    });
    settings.instantiateWasm = function (imports, receive) {
      compiled
        .then(function (module) {
          return WebAssembly.instantiate(module, imports).then(function (instance) {
            receive(instance, module);
          });
        })
        .catch(failure);
      return {};
    };
    return Promise.race([qismaruModule(settings), failed]);
  };
})();
