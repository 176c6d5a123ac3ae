// The module's side of the page's serial port: the functions the link's
// port layer imports. Those that wait suspend the module until the page's
// promise settles. The page hands its port as `serialLine` when it creates
// the module; see web/js/serial.js for what each call does.
mergeInto(LibraryManager.library, {
  zf_serial_open: function () {
    return Asyncify.handleAsync(() => Module['serialLine'].open());
  },
  zf_serial_close: function () {
    return Asyncify.handleAsync(() => Module['serialLine'].close());
  },
  zf_serial_write: function (data, count, timeout) {
    // A copy: the module's memory may move while the write waits.
    const bytes = HEAPU8.slice(data, data + count);
    return Asyncify.handleAsync(() => Module['serialLine'].write(bytes, timeout));
  },
  zf_serial_wait: function (timeout) {
    return Asyncify.handleAsync(() => Module['serialLine'].wait(timeout));
  },
  zf_serial_take: function (buffer, count) {
    const bytes = Module['serialLine'].take(count);
    HEAPU8.set(bytes, buffer);
    return bytes.length;
  },
});
