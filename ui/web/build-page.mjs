// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Builds the one self-contained page: the form from the windows'
// description, the styles, the modules' script, the core's WebAssembly
// module, the logo and the form's face, all inside one HTML file, under a
// Content-Security-Policy that lets nothing in from outside.
//
//   node build-page.mjs --form FORM.json --wasm CORE.wasm --font FACE.woff
//                       --logo LOGO.svg --description TEXT
//                       (--favicon ICON.png | --site) --out PAGE.html [--bare]
//
// --bare leaves out the script and the module: the page as first drawn,
// for the start-up benchmark. --site makes the site's page instead
// (build-site.mjs): the same, linking the site's manifest and favicon, and
// letting in those and the service worker from the site itself.

import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { parseArgs } from 'node:util';
import { Escaped, FormMarkup } from './FormMarkup.js';
import { SiteFiles } from './SiteFiles.js';

const here = new URL('.', import.meta.url);
const source = (name) => readFileSync(new URL(name, here), 'utf8');
// The modules in the order they need each other: main.js (TfrmMain) after
// those it uses, then the site's worker, which the form does without.
const modules = ['CoreModule.js', 'ModalWindow.js', 'MessageBox.js', 'ATCommandList.js', 'main.js', 'SiteFiles.js',
    'SiteWorker.js'];
const dataUrl = (type, file) => `data:${type};base64,${readFileSync(file).toString('base64')}`;
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

const { values: options } = parseArgs({
    options: {
        form: { type: 'string' }, wasm: { type: 'string' }, font: { type: 'string' }, logo: { type: 'string' },
        description: { type: 'string' }, favicon: { type: 'string' }, site: { type: 'boolean', default: false },
        out: { type: 'string' }, bare: { type: 'boolean', default: false },
    },
});
for (const name of ['form', 'font', 'logo', 'description', 'out', ...(options.bare ? [] : ['wasm']),
    ...(options.site ? [] : ['favicon'])])
    if (!options[name])
        throw new Error(`build-page.mjs: --${name} is missing`);

const description = JSON.parse(readFileSync(options.form, 'utf8'));
// The logo as a drawing, sharp at any scale of the screen.
const form = FormMarkup(description, { logo: dataUrl('image/svg+xml', options.logo) });

// One module script: each module's own imports are the modules before it.
const withoutLicenceLines = (text) => text.replace(/^\/\/ SPDX-[^\n]*\n/gm, '');
const script = modules.map((name) => withoutLicenceLines(source(name))
    .replace(/^import [^;]+ from '\.\/[\w.]+';\n/gm, '')
    .replace(/^export /gm, '')).join('\n');

const face = `@font-face{font-family:"Brenvik Sans";src:url(${dataUrl('font/woff', options.font)}) format("woff")}`;
// form.css names the viewports that hold each window whole as custom
// media, (--whole-frmMain) for one; browsers know none, so they are
// written out here.
const looks = withoutLicenceLines(source('form.css')).replace(/^\/\* SPDX-[^\n]*\n/gm, '')
    .replace(/\(--whole-(\w+)\)/g, (_, name) => {
        if (!form.queries[name])
            throw new Error(`form.css: no window ${name}`);
        return `(${form.queries[name]})`;
    });
const style = [face, looks, form.css].join('\n');
// What the page's script needs of the description: each button whose
// click does something, with its handler, its action's number and its
// inputs (name and kind), and the texts of a failure.
const controls = description.windows.flatMap((window) => window.controls);
const clicks = controls.filter((control) => control.click).map(({ name, click }) => ({
    button: name, handler: click.handler, action: description.actions[click.action],
    inputs: click.inputs.map((input) => ({ name: input, kind: controls.find((c) => c.name === input).kind })),
}));
const texts = JSON.stringify({ clicks, listNotShown: description.listNotShown,
    listNotShownBecause: description.listNotShownBecause });
const scripts = options.bare ? '' : [
    `<script type="application/json" id="formFacts">${texts}</script>`,
    `<script type="application/wasm;base64" id="brenvikCore">${readFileSync(options.wasm).toString('base64')}</script>`,
    `<script type="module">${script}</script>`,
].join('\n');

const csp = [
    "default-src 'none'",
    ...(options.bare ? [] : [`script-src ${hash(script)} 'wasm-unsafe-eval'`]),
    `style-src ${hash(style)}`,
    `img-src data:${options.site ? " 'self'" : ''}`,
    'font-src data:',
    ...(options.site ? ["manifest-src 'self'", "worker-src 'self'"] : []),
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');

const siteLinks = `<link rel="icon" href="${SiteFiles.favicon}">\n<link rel="manifest" href="${SiteFiles.manifest}">`;
const fill = { csp, title: form.title, description: Escaped(options.description),
    links: options.site ? siteLinks : `<link rel="icon" href="${dataUrl('image/png', options.favicon)}">`, style,
    body: form.body, script: scripts };
const page = source('index.html')
    .replace(/^<!-- (SPDX|The page's frame)[^\n]*\n/gm, '')
    .replace(/\{\{(\w+)\}\}/g, (_, name) => fill[name]);
writeFileSync(options.out, page);
