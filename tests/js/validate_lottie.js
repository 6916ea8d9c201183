// Validates Lottie files against the Lottie community schema (npm alias lottie-schema): prints each error with its file and exits 1
// when there is any (warnings, such as properties the schema does not list, are allowed).
const fs = require("fs");
const ajv2020 = require("ajv/dist/2020");
const {LottieValidator, get_schema_path} = require("lottie-schema/src/validator-node.js");

const schema = JSON.parse(fs.readFileSync(get_schema_path(), "utf8"));
const validator = new LottieValidator(ajv2020.Ajv2020, schema);
let failed = false;
for (const file of process.argv.slice(2)) {
  const errors = validator.validate(JSON.parse(fs.readFileSync(file, "utf8"))).filter(e => e.type === "error");
  for (const e of errors) console.log(`${file}${e.path}: ${e.message}`);
  failed = failed || errors.length > 0;
}
process.exit(failed ? 1 : 0);
