// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// A small static host for the site, on 127.0.0.1 alone: each file of the
// site's folder with its type and the headers the build lists for a host
// (site-headers.txt). The site's suite, scripts/lighthouse.sh and
// scripts/run-web.sh --serve use it.
//
//   node tests/web/site-server.js SITE HEADERS [PORT]     (prints the address)

import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = { html: 'text/html; charset=utf-8', js: 'text/javascript; charset=utf-8', png: 'image/png' };

// The headers file: a path (/* for every one) on a line of its own, then
// its headers, indented; a later line overrides an earlier one.
function HeadersFor(text, path) {
    const headers = {};
    let applies = false;
    for (const line of text.split('\n').filter((line) => line && !line.startsWith('#'))) {
        const header = line.match(/^\s+([\w-]+): (.*)$/);
        if (!header)
            applies = line === '/*' || line === path;
        else if (applies)
            headers[header[1]] = header[2];
    }
    return headers;
}

// Serves `site` (a folder and its headers file, which can be changed
// while it runs, as a host is given a new build); `requests` keeps every
// path asked for. Resolves once it listens.
export function ServeSite(site, port = 0) {
    const server = createServer((request, response) => {
        const path = new URL(request.url, 'http://host').pathname;
        server.requests.push(path);
        const name = path === '/' ? 'index.html' : path.slice(1);
        let body;
        try {
            if (!['GET', 'HEAD'].includes(request.method) || !/^[\w-]+(\.[\w-]+)+$/.test(name))
                throw new Error('not a file of the site');
            body = readFileSync(join(server.site.folder, name));
        } catch {
            response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found\n');
            return;
        }
        response.writeHead(200, { 'Content-Type': types[name.split('.').pop()] ?? 'application/octet-stream',
            'Content-Length': body.length, ...HeadersFor(readFileSync(server.site.headers, 'utf8'), path) });
        response.end(request.method === 'HEAD' ? undefined : body);
    });
    server.site = site;
    server.requests = [];
    return new Promise((resolve, reject) => {
        server.on('error', reject);
        server.listen(port, '127.0.0.1', () => {
            server.url = `http://127.0.0.1:${server.address().port}/`;
            resolve(server);
        });
    });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const [folder, headers, port] = process.argv.slice(2);
    try {
        console.log((await ServeSite({ folder, headers }, Number(port ?? 0))).url);
    } catch (error) {
        console.error(`site-server.js: ${error.message}`);
        process.exit(1);
    }
}
