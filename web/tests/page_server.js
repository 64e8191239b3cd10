// A web server for the built page on a free port of localhost, as scripts/web serves it, for the
// browser tests and the measurements.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const kTypes = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json'};

// Resolves to the listening server; its files are read afresh for each request.
function serve(folder) {
  const server = http.createServer((request, response) => {
    const asked = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = asked.endsWith('/') ? `${asked}index.html` : asked;
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream'});
      response.end(bytes);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

module.exports = {serve};
