// The web page of Qismaru. The entry rules, the checks, the answers, the
// texts and the figures are the C++ of the desktop program and of
// qismaru-calc, compiled to WebAssembly (qismaru.js): this script shows what
// they say and passes the user's presses on to them.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const views = qismaruViews;

  let engine = null; // the module: viewOfLine(), catalogue(), ...
  let pageCase = null; // the case being entered (C++ PageCase)
  let catalogue = null; // heir kinds, schools, the estate form's words
  let positions = { school: 'hanafi', spouseReturn: false, noReturn: false };
  let estate = null; // the estate as a batch line carries it, or null
  let estateForm = null; // the estate form's texts, as the user gave them
  let shown = null; // {line, view} of the case on the page
  let fileName = null; // the case file the case came from or went to
  let savedText = null; // that file's text, to tell unsaved work

  // A message box: the text alone and OK; resolves when it is closed.
  function tell(text) {
    const dialog = $('message-dialog');
    $('message-text').textContent = text;
    return new Promise((resolve) => {
      dialog.addEventListener('close', () => resolve(), { once: true });
      dialog.showModal();
      $('message-ok').focus();
    });
  }

  function positionsJson() {
    return JSON.stringify(positions);
  }

  function estateJson() {
    return estate ? JSON.stringify(estate) : 'null';
  }

  // The entry list and every control that depends on the state of the case.
  function showEntries() {
    const entries = JSON.parse(pageCase.entries());
    views.entryList(entries);
    const computed = pageCase.computed();
    for (const button of $('heir-buttons').children) button.disabled = computed;
    $('calculate').disabled = !pageCase.canCalculate();
    $('cancel-last').disabled = computed || entries.length === 0;
    return entries;
  }

  function pressHeir(code) {
    const pressed = JSON.parse(pageCase.press(code, positions.school));
    if (pressed.outcome === 'refused') tell(pressed.message);
    else if (pressed.outcome === 'entered') showEntries();
    else if (pressed.outcome === 'askCount') askCount(code);
  }

  function askCount(code) {
    const kind = catalogue.kinds.find((k) => k.code === code);
    $('count-kind').textContent = kind.name;
    const input = $('count-input');
    input.max = catalogue.maxCount;
    input.value = '1';
    $('count-dialog').showModal();
    input.select();
  }

  function confirmCount(event) {
    event.preventDefault();
    const input = $('count-input');
    const text = input.value.trim();
    const count = /^[0-9]+$/.test(text) ? Number(text) : 0;
    if (count > catalogue.maxCount) {
      tell(catalogue.countLimitText).then(() => input.select());
      return;
    }
    const result = JSON.parse(pageCase.confirmCount(count, positions.school));
    if (result.outcome === 'recorded') {
      $('count-dialog').close('recorded');
      showEntries();
    } else if (result.outcome === 'refused') {
      tell(result.message).then(() => input.select());
    } else {
      input.select();
    }
  }

  function cancelCount() {
    pageCase.cancelCount();
    $('count-dialog').close('cancelled');
  }

  // The answer of the case under the chosen positions, computed once: the
  // page's view of the batch line, with the calculator's messages and steps.
  async function answerCase() {
    const line = pageCase.batchLine(positionsJson(), estateJson());
    const view = JSON.parse(engine.viewOfLine(line));
    if (view.outcome === 'beyond') {
      await tell(catalogue.beyondExactRangeText);
      return false;
    }
    if (view.outcome === 'refused') {
      await tell(view.error);
      return false;
    }
    shown = { line, view };
    showAnswer();
    return true;
  }

  async function calculate() {
    if (!pageCase.canCalculate()) return;
    const refusal = pageCase.refusalUnder(positions.school);
    if (refusal) {
      await tell(refusal);
      return;
    }
    const started = performance.now();
    if (!(await answerCase())) return;
    pageCase.markComputed();
    showEntries();
    keepLink();
    performance.measure('qismaru-calculate', { start: started, end: performance.now() });
  }

  function showAnswer() {
    const { view } = shown;
    $('result').hidden = false;
    $('positions-line').textContent = view.positionsLine;
    const difference = $('hanafi-difference');
    difference.hidden = !view.differsFromHanafi;
    difference.textContent = view.differenceMark;
    difference.title = view.differenceNote;
    views.resultTable(view.table);
    const messages = view.messages.concat(view.surplus ? [view.surplus] : []);
    $('case-messages').replaceChildren(...messages.map((message) => views.cell('p', message)));
    $('steps').replaceChildren(...view.steps.map((step) => views.cell('li', step.text)));
    $('show-steps').disabled = view.steps.length === 0;
    views.settlement(view.estate);
    $('copied').textContent = '';
  }

  // The table of the former positions or case leaves the page; the case
  // stays as entered, open again, until it is answered anew.
  function withdrawAnswer() {
    shown = null;
    $('result').hidden = true;
    pageCase.reopen();
    showEntries();
  }

  // The school and positions are kept between visits, as the desktop keeps
  // them between runs; a case's link or file brings its own.
  const keptPositions = 'qismaru.positions';

  function takePositions(next) {
    const effective = JSON.parse(engine.positionsInfo(JSON.stringify(next))).positions;
    const changed = JSON.stringify(effective) !== JSON.stringify(positions);
    positions = effective;
    showPositions();
    try {
      localStorage.setItem(keptPositions, JSON.stringify(positions));
    } catch (error) {
      // A browser that keeps nothing for this page: the choice lasts the visit.
    }
    return changed;
  }

  function keptOrDefaultPositions() {
    try {
      return JSON.parse(localStorage.getItem(keptPositions)) || positions;
    } catch (error) {
      return positions;
    }
  }

  async function setPositions(next) {
    if (!takePositions(next)) return;
    if (pageCase.computed()) {
      withdrawAnswer();
      await calculate();
    } else {
      const refusal = pageCase.refusalUnder(positions.school);
      if (refusal) await tell(refusal);
    }
  }

  function showPositions() {
    $('school').value = positions.school;
    $('spouse-return').checked = positions.spouseReturn;
    $('no-return').checked = positions.noReturn;
    const school = catalogue.schools.find((s) => s.key === positions.school);
    $('no-return').disabled = !school.mayRefuseReturn;
  }

  function cancelLast() {
    if (pageCase.cancelLast() > 0) showEntries();
  }

  // A case kept in a file and changed since, or one with an estate, is work
  // not to be lost without asking; a case of heirs alone is entered again in
  // a few presses.
  function hasUnsavedWork() {
    if (fileName === null && estate === null) return false;
    return pageCase.fileText(positionsJson(), estateJson()) !== savedText;
  }

  function mayLeaveCase() {
    return !hasUnsavedWork() || window.confirm('في المسألة عمل لم يحفظ. أتتركه؟');
  }

  function forgetCase() {
    estate = null;
    estateForm = null;
    fileName = null;
    savedText = null;
    shown = null;
    $('result').hidden = true;
    history.replaceState(null, '', location.pathname + location.search);
  }

  function newCase() {
    if (!mayLeaveCase()) return;
    pageCase.newCase();
    forgetCase();
    showEntries();
  }

  function linkOfCase() {
    const heirs = JSON.parse(pageCase.entries())
      .map((entry) => entry.code + '=' + entry.count)
      .join(',');
    let link = '#case=' + heirs + '&school=' + positions.school;
    if (positions.spouseReturn) link += '&spouseReturn=1';
    if (positions.noReturn) link += '&noReturn=1';
    return link;
  }

  // The address of the page names the computed case, so that it can be
  // kept or sent, and reopens it.
  function keepLink() {
    history.replaceState(null, '', location.pathname + location.search + linkOfCase());
  }

  async function openLinkedCase() {
    const link = new URLSearchParams(location.hash.slice(1));
    const heirs = link.get('case');
    if (heirs === null || location.hash === linkOfCase()) return;
    const key = link.get('school') || 'hanafi';
    if (!catalogue.schools.some((s) => s.key === key)) {
      await tell('لا يعرف البرنامج المذهب المذكور في الرابط: ' + key);
      return;
    }
    const entered = JSON.parse(pageCase.enterLink(heirs, key));
    if (!entered.ok) {
      await tell(entered.message);
      return;
    }
    forgetCase();
    const truth = (name) => link.get(name) === '1' || link.get(name) === 'true';
    takePositions({ school: key, spouseReturn: truth('spouseReturn'), noReturn: truth('noReturn') });
    showEntries();
    await calculate();
  }

  async function copyText(text) {
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      // Without the clipboard's permission: the old way, through a selection.
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    }
    $('copied').textContent = 'نُسخ.';
  }

  function saveFile() {
    const text = pageCase.fileText(positionsJson(), estateJson());
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
    link.download = fileName || 'مسألة' + catalogue.caseFileSuffix;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    fileName = link.download;
    savedText = text;
  }

  function chooseFile() {
    if (mayLeaveCase()) $('file-input').click();
  }

  async function openFile() {
    const file = $('file-input').files[0];
    $('file-input').value = '';
    if (!file) return;
    // One byte more than a case file may hold tells a case file from a larger one.
    const bytes = new Uint8Array(await file.slice(0, catalogue.maxCaseFileBytes + 1).arrayBuffer());
    const opened = JSON.parse(pageCase.openFile(bytes, positionsJson()));
    if (!opened.ok) {
      await tell(opened.message + '\n' + file.name);
      return;
    }
    forgetCase();
    takePositions(opened.positions);
    estate = opened.estate;
    estateForm = opened.form;
    fileName = file.name;
    savedText = pageCase.fileText(positionsJson(), estateJson());
    showEntries();
    if (opened.positionsMessage) await tell(opened.positionsMessage);
  }

  function openEstate() {
    const form = estateForm || { amounts: ['', '', '', ''], heirsConsent: false, decimals: null };
    const fields = $('estate-fields').querySelectorAll('input');
    fields.forEach((field, i) => {
      field.value = form.amounts[i];
    });
    $('estate-consent').checked = form.heirsConsent;
    $('estate-decimals').value = form.decimals ?? catalogue.estateForm.defaultDecimals;
    $('estate-problem').hidden = true;
    $('estate-dialog').showModal();
    fields[0].focus();
  }

  async function estateChosen(chosen, form) {
    estate = chosen;
    estateForm = form;
    $('estate-dialog').close();
    // The settlement follows at once when the case is answered already.
    if (pageCase.computed()) await answerCase();
  }

  function acceptEstate(event) {
    event.preventDefault();
    const fields = [...$('estate-fields').querySelectorAll('input')];
    const form = {
      amounts: fields.map((field) => field.value),
      heirsConsent: $('estate-consent').checked,
      decimals: Number($('estate-decimals').value),
    };
    const reading = JSON.parse(engine.readEstateForm(JSON.stringify(form)));
    if (!reading.ok) {
      const problem = $('estate-problem');
      problem.textContent = reading.message;
      problem.hidden = false;
      fields[reading.field].focus();
      fields[reading.field].select();
      return;
    }
    estateChosen(reading.estate, reading.form);
  }

  function openHelp() {
    views.help(JSON.parse(engine.helpTexts(positionsJson())));
    for (const row of $('help-schools').querySelectorAll('tr')) {
      row.classList.toggle('current', row.dataset.school === positions.school);
    }
    $('help-dialog').showModal();
    $('help-close').focus();
  }

  function connect() {
    $('calculate').addEventListener('click', calculate);
    $('cancel-last').addEventListener('click', cancelLast);
    $('new-case').addEventListener('click', newCase);
    $('count-form').addEventListener('submit', confirmCount);
    $('count-cancel').addEventListener('click', cancelCount);
    // Escape, like the close box of the desktop's dialog, cancels.
    $('count-dialog').addEventListener('cancel', (event) => {
      event.preventDefault();
      cancelCount();
    });
    $('school').addEventListener('change', () => setPositions({ ...positions, school: $('school').value }));
    // The calculator refuses a return to the spouse and no return at once:
    // choosing one lets the other go.
    $('spouse-return').addEventListener('change', () =>
      setPositions({ ...positions, spouseReturn: $('spouse-return').checked, noReturn: false })
    );
    $('no-return').addEventListener('change', () =>
      setPositions({ ...positions, noReturn: $('no-return').checked, spouseReturn: false })
    );
    $('show-steps').addEventListener('click', () => {
      const section = $('steps-section');
      section.hidden = !section.hidden;
      $('show-steps').setAttribute('aria-expanded', String(!section.hidden));
    });
    $('copy-text').addEventListener('click', () => shown && copyText(shown.view.text));
    $('copy-link').addEventListener('click', () => shown && copyText(location.href));
    $('print').addEventListener('click', () => pageCase.computed() && window.print());
    $('save-file').addEventListener('click', saveFile);
    $('open-file').addEventListener('click', chooseFile);
    $('file-input').addEventListener('change', openFile);
    $('estate-button').addEventListener('click', openEstate);
    $('estate-form').addEventListener('submit', acceptEstate);
    $('estate-cancel').addEventListener('click', () => $('estate-dialog').close());
    $('estate-none').addEventListener('click', () => estateChosen(null, null));
    $('help-button').addEventListener('click', openHelp);
    window.addEventListener('hashchange', () => {
      if (mayLeaveCase()) openLinkedCase();
    });
    window.addEventListener('beforeunload', (event) => {
      if (hasUnsavedWork()) event.preventDefault();
    });
  }

  async function start() {
    engine = await createQismaru();
    pageCase = new engine.PageCase();
    catalogue = JSON.parse(engine.catalogue());
    views.heirButtons(catalogue.kinds, pressHeir);
    views.schools(catalogue.schools);
    views.estateForm(catalogue.estateForm);
    connect();
    for (const id of ['school', 'spouse-return', 'open-file', 'save-file', 'estate-button', 'help-button', 'new-case']) {
      $(id).disabled = false;
    }
    takePositions(keptOrDefaultPositions());
    showEntries();
    $('loading').hidden = true;
    performance.mark('qismaru-ready');
    await openLinkedCase();
    document.body.dataset.ready = 'true';
    // The browser compiles the module's code when it first runs: one answer
    // in idle time, as Calculate asks for it and shown nowhere, spares the
    // first Calculate that wait.
    if (!shown) (window.requestIdleCallback || setTimeout)(() => engine.viewOfLine('{"h":1}'));
  }

  start().catch((error) => {
    $('loading').textContent = 'تعذر تشغيل الحاسبة في هذا المتصفح: ' + error.message;
  });
})();
