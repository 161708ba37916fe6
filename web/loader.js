// createQismaru(options): a Promise of the module, whose answer(line, flags)
// is the line qismaru-calc --batch writes for `line`. Over http the module's
// code comes from qismaru.wasm beside this script; a page opened from disk
// (file://) may not fetch it, so there the same bytes come from
// qismaru.wasm.js, a script, which a page may load from anywhere.
var createQismaru = (function () {
  'use strict';
  var scriptUrl = typeof document !== 'undefined' && document.currentScript ? document.currentScript.src : '';
  var wasmFromDisk = null;

  function loadWasmScript() {
    if (wasmFromDisk) return wasmFromDisk;
    wasmFromDisk = new Promise(function (resolve, reject) {
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
    return wasmFromDisk;
  }

  var fromDisk = scriptUrl.indexOf('file:') === 0;
  // Read at once, while the page is still being parsed.
  if (fromDisk) loadWasmScript();

  return function createQismaru(options) {
    var settings = Object.assign({}, options);
    var bytes = fromDisk && !settings.wasmBinary ? loadWasmScript() : Promise.resolve(settings.wasmBinary);
    return bytes.then(function (wasm) {
      if (wasm) settings.wasmBinary = wasm;
      return qismaruModule(settings);
    });
  };
})();
