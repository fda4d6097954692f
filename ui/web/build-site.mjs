// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Builds the site: a folder that any static host can serve, holding the
// page (build-page.mjs --site), the manifest that makes it an installable
// app, its icons drawn from icons/ with rsvg-convert, and the service
// worker that keeps it all for use offline. Beside the folder, the
// response headers a host should add, for each file.
//
//   node build-site.mjs --form FORM.json --wasm CORE.wasm --font FACE.woff
//                       --logo LOGO.svg --description TEXT
//                       [--rsvg-convert PATH] --out SITE --headers HEADERS

import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import { SiteFiles } from './SiteFiles.js';

const here = new URL('.', import.meta.url);
const pageOptions = ['form', 'wasm', 'font', 'logo', 'description'];
const { values: options } = parseArgs({
    options: {
        ...Object.fromEntries(pageOptions.map((name) => [name, { type: 'string' }])),
        'rsvg-convert': { type: 'string', default: 'rsvg-convert' }, out: { type: 'string' }, headers: { type: 'string' },
    },
});
for (const name of [...pageOptions, 'out', 'headers'])
    if (!options[name])
        throw new Error(`build-site.mjs: --${name} is missing`);

// A folder of this build's files alone.
const site = options.out;
rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });

// The icons: the program's own in the browser's tab and where a launcher
// shows it as it is; for launchers that cut their own shape, the one whose
// tile fills the square.
const drawing = (name) => fileURLToPath(new URL(`../../icons/${name}.svg`, here));
const icons = [
    { src: SiteFiles.favicon, size: 32, drawing: drawing('brenvik-config-assistant') },
    ...[192, 512].flatMap((size) => [
        { src: `icon-${size}.png`, size, drawing: drawing('brenvik-config-assistant'), purpose: 'any' },
        { src: `icon-maskable-${size}.png`, size, drawing: drawing('brenvik-config-assistant-maskable'),
            purpose: 'maskable' },
    ]),
];
for (const { src, size, drawing } of icons)
    execFileSync(options['rsvg-convert'], ['--width', size, '--height', size, '--format', 'png',
        '--output', join(site, src), drawing].map(String));

execFileSync(process.execPath, [fileURLToPath(new URL('build-page.mjs', here)),
    ...pageOptions.flatMap((name) => [`--${name}`, options[name]]), '--site', '--out', join(site, 'index.html')]);

// Where the site lies on the host is its own: every address is relative.
const manifest = {
    id: './',
    name: 'Brenvik Config Assistant',
    short_name: 'Brenvik',
    description: options.description,
    lang: 'en',
    start_url: './',
    scope: './',
    display: 'standalone',
    // The icon's blue, and the face the page opens with on a phone, in
    // one column (form.css's light scheme).
    theme_color: '#245a9c',
    background_color: '#f0f0f0',
    icons: icons.filter((icon) => icon.purpose).map(({ src, size, purpose }) =>
        ({ src, sizes: `${size}x${size}`, type: 'image/png', purpose })),
};
writeFileSync(join(site, SiteFiles.manifest), `${JSON.stringify(manifest, null, 2)}\n`);

// The worker keeps every file but itself; the build's name is a hash of
// them all, so that any change makes a new build.
const digest = (data) => createHash('sha256').update(data);
const files = readdirSync(site).sort().map((name) => {
    const data = readFileSync(join(site, name));
    return { name, data, integrity: `sha256-${digest(data).digest('base64')}` };
});
const build = digest(files.map(({ name, integrity }) => `${name} ${integrity}\n`).join('')).digest('hex').slice(0, 16);
const fill = { build: JSON.stringify(build),
    files: `[\n${files.map(({ name, integrity }) => `    ${JSON.stringify({ name, integrity })},\n`).join('')}]` };
writeFileSync(join(site, SiteFiles.worker),
    readFileSync(new URL('service-worker.js', here), 'utf8').replace(/\{\{(\w+)\}\}/g, (_, name) => fill[name]));

// What the page's own policy says, as a header, with what only a header
// can say; the worker fetches the site's files and nothing else.
const pagePolicy = readFileSync(join(site, 'index.html'), 'utf8')
    .match(/<meta http-equiv="Content-Security-Policy" content="([^"]+)">/)[1];
const headers = [
    ['/*', 'X-Content-Type-Options: nosniff', 'Cache-Control: no-cache'],
    ...['/', '/index.html'].map((path) => [path, `Content-Security-Policy: ${pagePolicy}; frame-ancestors 'none'`]),
    [`/${SiteFiles.worker}`, "Content-Security-Policy: default-src 'none'; connect-src 'self'"],
    [`/${SiteFiles.manifest}`, 'Content-Type: application/manifest+json'],
];
writeFileSync(options.headers, [
    '# The response headers to send with the site, for each of its paths (/* for all).',
    ...headers.map(([path, ...lines]) => [path, ...lines.map((line) => `  ${line}`)].join('\n')),
].join('\n') + '\n');
